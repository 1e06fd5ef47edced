#include "result/namazu_samples.h"
#include "result/result_rendering.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The bytes of the pane text under the marks.
size_t MarkedBytes(const HitList& hits) {
    size_t bytes = 0;
    for (int32_t c = 0; c < hits.Positions.CharacterLength(); ++c) {
        if (hits.ClickMapByCharacter[static_cast<size_t>(c)] != 0)
            bytes +=
                static_cast<size_t>(hits.Positions.ToOffset(c + 1) - hits.Positions.ToOffset(c));
    }
    return bytes;
}

// One title for two count lines: the second keeps Namazu's text. The
// header stands on the fourth line, the last one looked at.
TEST(ResultRenderingTest, Namazu20ResultIsRenamedAndMarkedAlikeWithLfAndCrLf) {
    HitList crLfHits, hits;
    RenderOptions options;
    options.RenameToFolderName = true;
    options.FolderTitles = {"予定表"};
    const RenderedResult crLf = RenderResult("x\r\n" + Namazu20Result("\r\n"), options, crLfHits);
    const RenderedResult rendered = RenderResult("x\n" + Namazu20Result("\n"), options, hits);
    EXPECT_EQ(rendered.Text, crLf.Text);
    EXPECT_EQ(hits.ClickMapByCharacter, crLfHits.ClickMapByCharacter);
    const std::string head = "x\r\n検索結果\r\n\r\n参考ヒット数: \r\n「予定表」  [ 予算: 2 ] \r\n"
                             "(/al/acc/Namazu/inbox) [ 予算: 1 ] \r\n\r\n検索式";
    EXPECT_EQ(rendered.Text.substr(0, head.size()), head);

    const std::pair<std::string, std::string> expected[] = {
        {"1. 予算の会議 (score: 1)", "/C|/al/acc/user001.box/1.alm"},
        {"2. 表計算の予算", "/C|/al/acc/inbox.box/3.alm"},
        {"3. Re: lunch", "/C|/al/acc/予定表/2.alm"}};
    ASSERT_EQ(hits.HitCount(), 3);
    size_t marked = 0;
    for (size_t i = 0; i < 3; ++i) {
        const TClickableInfo& hit = hits.Clickables[i];
        EXPECT_EQ(hit.Title, expected[i].first);
        EXPECT_EQ(hit.Uri, expected[i].second);
        EXPECT_EQ(hit.TitleStart, static_cast<int32_t>(rendered.Text.find(hit.Title + " (")));
        EXPECT_EQ(hit.TitleEnd, hit.TitleStart + static_cast<int32_t>(hit.Title.size()) - 1);
        EXPECT_EQ(hit.UriStart, static_cast<int32_t>(rendered.Text.find(hit.Uri + " ")));
        EXPECT_EQ(hit.UriEnd, hit.UriStart + static_cast<int32_t>(hit.Uri.size()) - 1);
        marked += hit.Title.size() + hit.Uri.size();
    }
    EXPECT_EQ(MarkedBytes(hits), marked);
    ASSERT_EQ(rendered.Colours.size(), 6u);
    EXPECT_EQ(rendered.Colours[2].Start, hits.Clickables[1].TitleStart);
    EXPECT_EQ(rendered.Colours[3].Format.Green, 128);
    EXPECT_EQ(RenderResult("x\nx\n" + Namazu20Result("\n"), options, hits).Text.find("「"),
              std::string::npos)
        << "a header on the fifth line";
}

TEST(ResultRenderingTest, UriRulesDifferByVersionAndFaultyBlocksLeaveEmptyRanges) {
    struct Case {
        const char* block; // after a first line
        bool footer;       // Namazu's footer follows
        bool namazu13;
        const char* title; // null: no hit
        const char* uri;
    };
    const Case cases[] = {
        {"1. R (score: 1) (score: 2)\n/C|/予定表/1.alm s (1 bytes)\n", true, true,
         "1. R (score: 1)", "/C|/予定表/1.alm"},
        {"1. a (score: 1)\n/C|/m/1.alm 1,234 bytes\n", true, true, "1. a", ""},
        {"1. a\n/C|/m/1.alm (1 bytes)\n", true, false, "", "/C|/m/1.alm"},
        {"1. a (score: 1)\nx\n/C|/m/1.alm (1 bytes)\n\n\n", false, false, "1. a", ""},
        {"1. a (score: 1)\n\n\n\n", false, false, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.block);
        RenderOptions options;
        options.Namazu13 = c.namazu13;
        options.Colouring = false;
        HitList hits;
        const std::string footer = c.footer ? "\n\n\n\n現在のリスト: 1 - 1\n" : "";
        const RenderedResult rendered =
            RenderResult(std::string("r\n") + c.block + footer, options, hits);
        EXPECT_TRUE(rendered.Colours.empty());
        ASSERT_EQ(hits.HitCount(), c.title ? 1 : 0);
        EXPECT_EQ(hits.Positions.ByteLength(), static_cast<int32_t>(rendered.Text.size()));
        if (!c.title)
            continue;
        EXPECT_EQ(hits.Clickables[0].Title, c.title);
        EXPECT_EQ(hits.Clickables[0].Uri, c.uri);
        EXPECT_EQ(MarkedBytes(hits), std::string(c.title).size() + std::string(c.uri).size());
    }
    HitList hits;
    EXPECT_FALSE(RenderResult("1. a (score: 1)\n/a b c\n\n\n\n\n\n\n", {}, hits).FoundHitList);
}

} // namespace
