#include "fakes/fake_user_interface.h"
#include "platform/plugin_error.h"
#include "plugin/host_boundary.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(HostBoundary, AFailureIsShownAndTheHostGetsTheFallback) {
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

} // namespace
