#include "result/hit_navigation.h"
#include "result/namazu_samples.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(HitNavigationTest, EnterNAndPFollowTheHitBlocks) {
    HitList hits;
    const std::string text = RenderResult(Namazu20Result("\n"), RenderOptions(), hits).Text;
    const auto caretAt = [&](const char* part) {
        return part ? hits.Positions.ToCharacter(static_cast<int32_t>(text.find(part))) : -1;
    };
    // Where the caret stands, the hit Enter opens, where N and P put the caret;
    // "m (" is the last byte of a URI.
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        {"検索結果", 0, "/C|/al/acc/user001", nullptr},
        {"1. 予算", 0, "/C|/al/acc/inbox", nullptr},
        {"来週", 0, "/C|/al/acc/inbox", "1. 予算"},
        {"/C|/al/acc/inbox", 1, "/C|/al/acc/予定", "1. 予算"},
        {"m (234 bytes)", 1, "/C|/al/acc/予定", "1. 予算"},
        {"3. Re", 2, "/C|/al/acc/予定", "2. 表"},
        {"/C|/al/acc/予定", 2, nullptr, "2. 表"},
        {" (235 bytes)", -1, nullptr, "3. Re"},
    };
    for (const auto& [at, opened, next, previous] : cases) {
        SCOPED_TRACE(at);
        EXPECT_EQ(HitToOpen(hits, caretAt(at)), opened);
        EXPECT_EQ(NextHitCaret(hits, caretAt(at)).value_or(-1), caretAt(next));
        EXPECT_EQ(PreviousHitCaret(hits, caretAt(at)).value_or(-1), caretAt(previous));
    }

    const int32_t lastOfTitle = hits.Positions.ToCharacter(hits.Clickables[1].TitleEnd);
    EXPECT_EQ(CursorOver(hits, lastOfTitle), PaneCursor::HandPoint);
    EXPECT_EQ(CursorOver(hits, lastOfTitle + 1), PaneCursor::Default);
    EXPECT_EQ(CursorOver(hits, hits.Positions.CharacterLength()), PaneCursor::Default);
    EXPECT_EQ(HitToOpenOnPress(hits, PaneCursor::HandPoint, true, false, lastOfTitle), 1);
    EXPECT_EQ(HitToOpenOnPress(hits, PaneCursor::HandPoint, true, true, lastOfTitle), -1);
    RenderResult("x", RenderOptions(), hits);
    EXPECT_EQ(CursorOver(hits, 0), PaneCursor::Unchanged) << "a pane of one byte";
}

TEST(HitNavigationTest, NReachesAHitWithoutAUriLineAtItsTitle) {
    const std::vector<TClickableInfo> hits = {{10, 20, "1. a", 30, 40, "/a"},
                                              {60, 70, "2. b", 0, 0, ""}};
    EXPECT_EQ(NextHitOffset(hits, 15), 60);
    EXPECT_EQ(PreviousHitOffset(hits, 65), 60);
    EXPECT_EQ(HitAtOrAfter(hits, 65), -1);
}

} // namespace
