// The link between a dialog object and its window.
#include "platform/win32/dialog_base.h"
#include "search/win32/search_resource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

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

} // namespace
