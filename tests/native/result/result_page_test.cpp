#include "result/namazu_samples.h"
#include "result/result_list.h"
#include "result/result_page.h"

#include <gtest/gtest.h>

namespace {

// namazu 2.0.21, Lang ja_JP.SJIS, --sort=score --short --max="5" --whence=5
// "printer network" over two indexes, and over the first alone.
const std::string kSecondPage =
    "検索結果\n\n参考ヒット数: \n(/tmp/pg/acc/Namazu/user002.box) [ printer: 18 ]  [ network: 12 ] "
    " "
    "[ 合計: 7 ]\n(/tmp/pg/acc/Namazu/user003.box) [ printer: 40 ]  [ network: 45 ]  [ 合計: 22 "
    "]\n\n検索式にマッチする 29 個の文書が見つかりました。\n\n6. Contract update backup (スコア: "
    "7)\n/C|/al/acc/user003.box/user004.box/22.alm (615 bytes)\n\n\n\n\n7. 予算と会議 (スコア: "
    "7)\n/C|/al/acc/user003.box/user004.box/25.alm (838 bytes)\n\n\n\n\n8. 見積会議の件 (スコア: "
    "7)\n/C|/al/acc/user003.box/user005.box/user006.box/29.alm (800 bytes)\n\n\n\n\n9. "
    "見積在庫について (スコア: 7)\n/C|/al/acc/user003.box/user005.box/user006.box/41.alm (786 "
    "bytes)\n\n\n\n\n10. Quality backup report (スコア: "
    "6)\n/C|/al/acc/user003.box/user004.box/14.alm (693 bytes)\n\n\n\n\n現在のリスト: 6 - 10\n\n";
const std::string kLastPage =
    "検索結果\n\n参考ヒット数:  [ printer: 18 ]  [ network: 12 ] \n\n検索式にマッチする 7 "
    "個の文書が見つかりました。\n\n6. 予算と会議 (スコア: 4)\n/C|/al/acc/user002.box/28.alm (741 "
    "bytes)\n\n\n\n\n7. 請求書確認の件 (スコア: 4)\n/C|/al/acc/user002.box/29.alm (820 "
    "bytes)\n\n\n\n\n現在のリスト: 6 - 7\n\n";
// A --whence beyond the hits (the index shrank since the page before), cut
// to one index, and no hit at all.
const std::string kPastEnd = "検索結果\n\n参考ヒット数:  [ lunch: 56 ] \n\n検索式にマッチする 56 "
                             "個の文書が見つかりました。\n\n現在のリスト: 86 - 56\n\n";
const std::string kNoHit = "検索結果\n\n参考ヒット数:  [ zzzqqq: 0 ] "
                           "\n\n検索式にマッチする文書はありませんでした。\n";

TEST(ResultPageTest, NamazuPagesGiveRangeWhenceAndNotice) {
    struct Case {
        std::string text;
        int pageSize;
        ResultPage page;
        int nextWhence; // -1: no next page
        int previousWhence;
        const char* notice;
    };
    const Case cases[] = {
        {kSecondPage,
         5,
         {6, 10, 29},
         10,
         0,
         "全 29 件中 6 - 10 件を表示 (Ctrl+N: 次の 5 件, Ctrl+P: 前の 5 件)"},
        {kLastPage, 5, {6, 7, 7}, -1, 0, "全 7 件中 6 - 7 件を表示 (Ctrl+P: 前の 5 件)"},
        {Namazu20Result("\r\n"), 20, {1, 3, 3}, -1, -1, ""},
        {kPastEnd,
         20,
         {86, 56, 56},
         -1,
         40,
         "全 56 件中 86 件目からはありません (Ctrl+P: 前の 16 件)"},
        // Namazu 1.3 writes its range in English.
        {"検索式にマッチする 123 個の文書が見つかりました。\r\nCurrent List: 101 - 120\r\n",
         20,
         {101, 120, 123},
         120,
         80,
         "全 123 件中 101 - 120 件を表示 (Ctrl+N: 次の 3 件, Ctrl+P: 前の 20 件)"},
        {"検索式にマッチする 70 個の文書が見つかりました。\n現在のリスト: 51 - 70\n",
         PageSize(ListCount::All),
         {51, 70, 70},
         -1,
         0,
         "全 70 件中 51 - 70 件を表示 (Ctrl+P: 前の 70 件)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notice);
        const std::optional<ResultPage> page = ResultPageOf(c.text);
        ASSERT_TRUE(page);
        EXPECT_EQ(page->First, c.page.First);
        EXPECT_EQ(page->Last, c.page.Last);
        EXPECT_EQ(page->Total, c.page.Total);
        EXPECT_EQ(HasNextPage(*page), c.nextWhence >= 0);
        if (c.nextWhence >= 0) {
            EXPECT_EQ(NextPageWhence(*page), c.nextWhence);
        }
        EXPECT_EQ(HasPreviousPage(*page), c.previousWhence >= 0);
        if (c.previousWhence >= 0) {
            EXPECT_EQ(PreviousPageWhence(*page, c.pageSize), c.previousWhence);
        }
        EXPECT_EQ(PageNotice(*page, c.pageSize), c.notice);
    }
    EXPECT_EQ(PageSize(ListCount::Fifty), 50);
    EXPECT_EQ(PageSize(ListCount::Hundred), 100);
}

TEST(ResultPageTest, TextsThatSayNoPageGiveNone) {
    const std::string total = "検索式にマッチする 10 個の文書が見つかりました。\n";
    const std::string texts[] = {
        kNoHit,
        "",
        "現在のリスト: 1 - 3\n",
        total,
        total + "現在のリスト: 1 - x\n",
        total + "現在のリスト: 1 -3\n",
        total + " 現在のリスト: 1 - 3\n",
        total + "現在のリスト: 5 - 3\n",
        total + "現在のリスト: 1 - 11\n",
        total + "現在のリスト: 0 - 10\n",
        total + "現在のリスト: 1 - 10000000000\n",
        "検索式にマッチする 10 個の文書\n現在のリスト: 1 - 10\n",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ResultPageOf(text));
        EXPECT_EQ(WithPageNotice(text, 20), text);
    }
}

// The notice goes last, so a later page's hits are found and keep their
// offsets.
TEST(ResultPageTest, NoticeLeavesTheHitsOfALaterPageInPlace) {
    const std::string noticed = WithPageNotice(kSecondPage, 5);
    EXPECT_EQ(noticed, kSecondPage + PageNotice({6, 10, 29}, 5) + "\r\n");
    EXPECT_EQ(
        WithPageNotice("検索式にマッチする 9 個の文書が見つかりました。\n現在のリスト: 1 - 5", 5),
        "検索式にマッチする 9 個の文書が見つかりました。\n現在のリスト: 1 - 5\r\n"
        "全 9 件中 1 - 5 件を表示 (Ctrl+N: 次の 4 件)\r\n");
    HitList plainHits, noticedHits;
    const RenderedResult plain = RenderResult(kSecondPage, {}, plainHits);
    const RenderedResult rendered = RenderResult(noticed, {}, noticedHits);
    EXPECT_TRUE(rendered.FoundHitList);
    ASSERT_EQ(noticedHits.HitCount(), 5);
    EXPECT_EQ(noticedHits.Clickables[0].Title, "6. Contract update backup");
    EXPECT_EQ(noticedHits.Clickables[1].Uri, "/C|/al/acc/user003.box/user004.box/25.alm");
    EXPECT_EQ(rendered.Text.substr(0, plain.Text.size()), plain.Text);
    EXPECT_EQ(noticedHits.Clickables[4].UriStart, plainHits.Clickables[4].UriStart);
    EXPECT_EQ(noticedHits.Clickables[4].Title, "10. Quality backup report");
}

} // namespace
