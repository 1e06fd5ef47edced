#include "fakes/fake_user_interface.h"
#include "platform/failure_shield.h"
#include "platform/plugin_error.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace {

TEST(FailureShield, AFailureIsShownAndTheHostGetsTheFallback) {
    FakeUserInterface ui;
    EXPECT_EQ(Shielded(
                  ui, [] { return -1; }, 0),
              -1);
    EXPECT_TRUE(ui.Boxes.empty());

    EXPECT_EQ(Shielded(
                  ui, []() -> int { throw PluginError("a.ini に書き込めません"); }, 0),
              0);
    Shielded(ui, [] { throw std::out_of_range("position 7"); });
    ASSERT_EQ(ui.Boxes.size(), 2u);
    EXPECT_EQ(ui.Boxes[0].Kind, "message");
    EXPECT_EQ(ui.Boxes[0].Text, "a.ini に書き込めません");
    EXPECT_EQ(ui.Boxes[1].Text, "position 7");
}

// A box that cannot be shown, as when memory or window resources run out.
class FailingUserInterface : public FakeUserInterface {
public:
    void ShowMessage(const std::string&) override { throw std::bad_alloc(); }
};

TEST(FailureShield, NothingThrownOfAnyKindReachesTheHost) {
    FakeUserInterface ui;
    int result = -1;
    EXPECT_NO_THROW(result = Shielded(
                        ui, []() -> int { throw 42; }, 0));
    EXPECT_EQ(result, 0);
    ASSERT_EQ(ui.Boxes.size(), 1u);
    EXPECT_EQ(ui.Boxes[0].Text, "予期しないエラーが発生しました。");

    FailingUserInterface failing;
    EXPECT_NO_THROW(result = Shielded(
                        failing, []() -> int { throw PluginError("a.ini に書き込めません"); }, 0));
    EXPECT_EQ(result, 0);
    EXPECT_NO_THROW(Shielded(failing, [] { throw "text"; }));
}

} // namespace
