// The tooltip hints of the plug-in's dialogs.
#include "platform/win32/hint_tooltips.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <vector>

namespace {

// The structure size of every tool handed to a tooltip on this thread.
std::vector<UINT> toolSizes;

LRESULT CALLBACK NoteToolSizes(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION &&
        (call.message == TTM_ADDTOOLW || call.message == TTM_SETTOOLINFOW ||
         call.message == TTM_UPDATETIPTEXTW || call.message == TTM_TRACKACTIVATE))
        toolSizes.push_back(reinterpret_cast<const TTTOOLINFOW*>(call.lParam)->cbSize);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND TooltipOf(HWND owner) {
    for (HWND tip = FindWindowW(TOOLTIPS_CLASSW, nullptr); tip;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        if (GetWindow(tip, GW_OWNER) == owner)
            return tip;
    }
    return nullptr;
}

std::string HintOf(HWND tip, HWND control) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return ShiftJisFromWide(text);
}

// Version 5 of the common controls, what the host gives a plug-in without a
// manifest, refuses tools in the newer structure size; Wine accepts them.
TEST(HintTooltipsTest, HintsFitVersionFiveOfTheCommonControlsAndFollowTheirText) {
    HWND dialog = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND control = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, dialog,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    toolSizes.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NoteToolSizes, nullptr, GetCurrentThreadId());
    HintTooltips hints;
    ASSERT_TRUE(hints.Create(dialog));
    hints.Add(control, "仕事");
    hints.SetText(control, "仕事\r\n議事録");
    hints.AddTrackingHint("指定しないときはスコア順に表示されます");
    hints.ShowTrackingHint(true, {40, 50});
    HWND tip = TooltipOf(dialog);
    const bool trackingShown = IsWindowVisible(tip) != FALSE;
    hints.ShowTrackingHint(false, {});
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(kToolInfoSize, TTTOOLINFOW_V2_SIZE);
    EXPECT_EQ(toolSizes, std::vector<UINT>(5, TTTOOLINFOW_V2_SIZE));
    EXPECT_EQ(HintOf(tip, control), "仕事\r\n議事録");
    EXPECT_TRUE(trackingShown);
    EXPECT_FALSE(IsWindowVisible(tip));
    DestroyWindow(dialog);
}

} // namespace
