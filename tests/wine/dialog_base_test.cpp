// The link between a dialog object and its window.
#include "platform/plugin_error.h"
#include "platform/win32/dialog_base.h"
#include "search/win32/search_resource.h"
#include "ui_automation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <thread>

namespace {

class CountingDialog : public DialogBase {
public:
    explicit CountingDialog(int& messages) : messages_(messages) {}

protected:
    INT_PTR OnMessage(UINT, WPARAM, LPARAM) override {
        ++messages_;
        return FALSE;
    }

private:
    int& messages_;
};

TEST(DialogBaseTest, AWindowThatOutlivesItsObjectNoLongerReachesIt) {
    int messages = 0;
    auto dialog = std::make_unique<CountingDialog>(messages);
    HWND window = dialog->CreateModeless(nullptr, IDD_ALIAS);
    ASSERT_NE(window, nullptr);
    ASSERT_GT(messages, 0);

    dialog.reset();
    const int before = messages;
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"x"));

    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), 0);
    EXPECT_EQ(messages, before);
    DestroyWindow(window);
}

TEST(DialogBaseTest, AnObjectThatOutlivesItsWindowForgetsIt) {
    int messages = 0;
    CountingDialog dialog(messages);
    HWND window = dialog.CreateModeless(nullptr, IDD_ALIAS);
    ASSERT_NE(window, nullptr);

    DestroyWindow(window);

    EXPECT_EQ(dialog.Handle(), nullptr);
}

// Fails on a message of its own, as a handler whose dialog cannot open does.
class FailingDialog : public DialogBase {
public:
    static const UINT kFail = WM_APP + 7;

protected:
    INT_PTR OnMessage(UINT message, WPARAM, LPARAM) override {
        if (message == kFail)
            throw PluginError("ダイアログを開けませんでした。");
        return FALSE;
    }
};

TEST(DialogBaseTest, AFailureInAHandlerIsShownAndTheDialogLivesOn) {
    FailingDialog dialog;
    HWND window = dialog.CreateModeless(nullptr, IDD_ALIAS);
    ASSERT_NE(window, nullptr);
    std::vector<std::wstring> shown;
    std::thread answer([&] {
        HWND box = ui::WaitForWindow(GetCurrentProcessId(), L"tarnwick for Namazu");
        if (box == nullptr)
            return;
        shown = ui::ControlTexts(box);
        ui::PressButtonById(box, IDOK);
    });

    const LRESULT result = SendMessageW(window, FailingDialog::kFail, 0, 0);
    answer.join();

    EXPECT_EQ(result, 0);
    EXPECT_NE(std::find(shown.begin(), shown.end(), L"ダイアログを開けませんでした。"),
              shown.end());
    EXPECT_TRUE(IsWindow(window));
    DestroyWindow(window);
}

} // namespace
