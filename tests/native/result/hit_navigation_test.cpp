#include "result/hit_navigation.h"
#include "result/namazu_samples.h"

#include <gtest/gtest.h>

namespace {

TEST(HitNavigationTest, EnterNAndPFollowTheHitBlocks) {
    HitList hits;
    const std::string text = RenderResult(Namazu20Result("\n"), RenderOptions(), hits).Text;
    const auto uriLine = [&](int i) {
        return hits.Positions.ToCharacter(hits.Clickables[i].UriStart);
    };
    const auto titleLine = [&](int i) {
        return hits.Positions.ToCharacter(hits.Clickables[i].TitleStart);
    };
    struct Case {
        const char* caretAt;
        int opened;
        int next;     // the hit whose URI line N reaches, or -1
        int previous; // the hit whose title line P reaches, or -1
    };
    const Case cases[] = {
        {"検索結果", 0, 0, -1},        {"1. 予算", 0, 1, -1}, {"来週", 0, 1, 0},
        {"/C|/al/acc/inbox", 1, 2, 0}, {"予算表を", 1, 2, 0}, {"3. Re", 2, 2, 1},
        {"235 bytes", -1, -1, 2},      {"現在", -1, -1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caretAt);
        const int32_t caret =
            hits.Positions.ToCharacter(static_cast<int32_t>(text.find(c.caretAt)));
        EXPECT_EQ(HitToOpen(hits, caret), c.opened);
        EXPECT_EQ(NextHitCaret(hits, caret).value_or(-1), c.next < 0 ? -1 : uriLine(c.next));
        EXPECT_EQ(PreviousHitCaret(hits, caret).value_or(-1),
                  c.previous < 0 ? -1 : titleLine(c.previous));
    }

    const int32_t lastOfTitle = hits.Positions.ToCharacter(hits.Clickables[1].TitleEnd);
    EXPECT_EQ(CursorOver(hits, lastOfTitle), PaneCursor::HandPoint);
    EXPECT_EQ(CursorOver(hits, lastOfTitle + 1), PaneCursor::Default);
    EXPECT_EQ(CursorOver(hits, hits.Positions.CharacterLength()), PaneCursor::Default);
    EXPECT_EQ(HitToOpenOnPress(hits, PaneCursor::HandPoint, true, false, lastOfTitle), 1);
    EXPECT_EQ(HitToOpenOnPress(hits, PaneCursor::HandPoint, true, true, lastOfTitle), -1);
    hits.Clear();
    EXPECT_EQ(CursorOver(hits, 0), PaneCursor::Unchanged);
    EXPECT_EQ(HitToOpen(hits, 0), -1);
}

TEST(HitNavigationTest, NReachesAHitWithoutAUriLineAtItsTitle) {
    const std::vector<TClickableInfo> hits = {{10, 20, "1. a", 30, 40, "/a"},
                                              {60, 70, "2. b", 0, 0, ""}};
    EXPECT_EQ(NextHitOffset(hits, 15), 60);
    EXPECT_EQ(PreviousHitOffset(hits, 65), 60);
    EXPECT_EQ(HitAtOrAfter(hits, 65), -1);
}

} // namespace
