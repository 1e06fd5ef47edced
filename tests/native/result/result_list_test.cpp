#include "result/namazu_samples.h"
#include "result/result_list.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

RenderOptions Renaming(std::vector<std::string> titles) {
    RenderOptions options;
    options.RenameToFolderName = true;
    options.FolderTitles = std::move(titles);
    return options;
}

size_t MarkedBytes(const HitList& hits) {
    return hits.ClickMap.size() - std::count(hits.ClickMap.begin(), hits.ClickMap.end(), 0);
}

TEST(ResultListTest, Namazu20ResultIsRenamedAndMarkedAlikeWithLfAndCrLf) {
    HitList crLfHits, hits;
    const RenderOptions options = Renaming({"予定表", "受信箱"});
    const RenderedResult crLf = RenderResult(Namazu20Result("\r\n"), options, crLfHits);
    const RenderedResult rendered = RenderResult(Namazu20Result("\n"), options, hits);
    EXPECT_EQ(rendered.Text, crLf.Text);
    EXPECT_EQ(hits.ClickMap, crLfHits.ClickMap);
    EXPECT_TRUE(rendered.FoundHitList);
    const std::string head = "検索結果\r\n\r\n参考ヒット数: \r\n「予定表」  [ 予算: 2 ] \r\n"
                             "「受信箱」  [ 予算: 1 ] \r\n\r\n検索式";
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
    for (int32_t c = 0; c < hits.Positions.CharacterLength(); ++c)
        ASSERT_EQ(hits.ClickMapByCharacter[c], hits.ClickMap[hits.Positions.ToOffset(c)]) << c;
    ASSERT_EQ(rendered.Colours.size(), 6u);
    EXPECT_EQ(rendered.Colours[2].Start, hits.Clickables[1].TitleStart);
    EXPECT_EQ(rendered.Colours[3].Format.Green, 128);
}

TEST(ResultListTest, CountLinesAreRenamedOnlyUnderTheHeaderAndOnlyForKnownTargets) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> titles;
        std::string text;
    };
    const std::string hit = "\n1. a (score: 1)\n/C|/a.alm (1 bytes)\n\n\n\n\n\nend";
    const Case cases[] = {
        {"more lines than targets",
         "x\n参考ヒット数: \n(/i/a) [ a: 1 ] \n(/i/b) [ a: 2 ] " + hit,
         {"受信箱"},
         "x\r\n参考ヒット数: \r\n「受信箱」  [ a: 1 ] \r\n(/i/b) [ a: 2 ] "},
        {"header on the fifth line",
         "1\n2\n3\n4\n参考ヒット数: \n(/i/a) [ a: 1 ] " + hit,
         {"受信箱"},
         "1\r\n2\r\n3\r\n4\r\n参考ヒット数: \r\n(/i/a) [ a: 1 ] "},
        {"a line without \") \" ends it",
         "参考ヒット数: \n(/i/a)[ 1 ] \n(/i/b) [ 2 ] " + hit,
         {"a", "b"},
         "参考ヒット数: \r\n(/i/a)[ 1 ] \r\n(/i/b) [ 2 ] "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HitList hits;
        EXPECT_EQ(RenderResult(c.file, Renaming(c.titles), hits).Text.substr(0, c.text.size()),
                  c.text);
        ASSERT_EQ(hits.HitCount(), 1);
        EXPECT_EQ(hits.Clickables[0].Uri, "/C|/a.alm");
    }
}

TEST(ResultListTest, UriRulesDifferByVersionAndFaultyBlocksLeaveEmptyRanges) {
    struct Case {
        const char* name;
        bool namazu13;
        std::string file;
        std::vector<std::pair<std::string, std::string>> hits;
    };
    const std::string tail = "\n\n\n\n現在のリスト: 1 - 1\n";
    const Case cases[] = {
        {"1.3 takes three words after the URI",
         true,
         "r\n1. Re: lunch (score: 12)\n/C|/m/予定表/12.alm size (1,234 bytes)\n" + tail,
         {{"1. Re: lunch", "/C|/m/予定表/12.alm"}}},
        {"a 2.0 line read by 1.3",
         true,
         "r\n1. a (score: 1)\n/C|/m/12.alm 1,234 bytes\n" + tail,
         {{"1. a", ""}}},
        {"no score marker",
         false,
         "r\n1. a\n/C|/m/1.alm (1 bytes)\n" + tail,
         {{"", "/C|/m/1.alm"}}},
        {"URI line among the last four",
         false,
         "r\n1. a (score: 1)\nx\n/C|/m/1.alm (1 bytes)\n\n\n",
         {{"1. a", ""}}},
        {"title line among the last four", false, "r\n1. a (score: 1)\n\n\n\n", {}},
        {"no first hit line", false, "1. a (score: 1)\n/C|/m/1.alm (1 bytes)\n" + tail, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RenderOptions options;
        options.Namazu13 = c.namazu13;
        options.Colouring = false;
        HitList hits;
        const RenderedResult rendered = RenderResult(c.file, options, hits);
        EXPECT_TRUE(rendered.Colours.empty());
        ASSERT_EQ(hits.HitCount(), static_cast<int>(c.hits.size()));
        size_t marked = 0;
        for (size_t i = 0; i < c.hits.size(); ++i) {
            EXPECT_EQ(hits.Clickables[i].Title, c.hits[i].first);
            EXPECT_EQ(hits.Clickables[i].Uri, c.hits[i].second);
            marked += c.hits[i].first.size() + c.hits[i].second.size();
        }
        EXPECT_EQ(hits.ClickMap.size(), rendered.Text.size());
        EXPECT_EQ(MarkedBytes(hits), marked);
    }
}

} // namespace
