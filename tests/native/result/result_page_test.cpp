#include "result/namazu_samples.h"
#include "result/result_page.h"
#include "result/result_rendering.h"

#include <gtest/gtest.h>

namespace {

// namazu 2.0.21, Lang ja_JP.SJIS, --sort=score --short --max="5" --whence=5
// "printer network" over one index.
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

// The page's numbers, the next and the previous whence (-1: none) and the
// notice.
std::string Paging(const std::string& text, int pageSize) {
    const std::optional<ResultPage> page = ResultPageOf(text);
    if (!page)
        return "none";
    return std::to_string(page->First) + "-" + std::to_string(page->Last) + "/" +
           std::to_string(page->Total) + " " +
           std::to_string(HasNextPage(*page) ? NextPageWhence(*page) : -1) + " " +
           std::to_string(HasPreviousPage(*page) ? PreviousPageWhence(*page, pageSize) : -1) + " " +
           PageNotice(*page, pageSize);
}

TEST(ResultPageTest, NamazuPagesGiveRangeWhenceAndNotice) {
    EXPECT_EQ(Paging(kLastPage, 5), "6-7/7 -1 0 全 7 件中 6 - 7 件を表示 (Ctrl+P: 前の 5 件)");
    EXPECT_EQ(Paging(Namazu20Result("\r\n"), 20), "1-3/3 -1 -1 ");
    EXPECT_EQ(Paging(kPastEnd, 20),
              "86-56/56 -1 40 全 56 件中 86 件目からはありません (Ctrl+P: 前の 16 件)");
    const std::string total = "検索式にマッチする 123 個の文書が見つかりました。\r\n";
    EXPECT_EQ(Paging(total + "現在のリスト: 1 - 20\r\n", 20),
              "1-20/123 20 -1 全 123 件中 1 - 20 件を表示 (Ctrl+N: 次の 20 件)");
    // Namazu 1.3 writes its range in English.
    EXPECT_EQ(Paging(total + "Current List: 101 - 120", 20),
              "101-120/123 120 80 全 123 件中 101 - 120 件を表示 (Ctrl+N: 次の 3 件, Ctrl+P: 前の "
              "20 件)");
    EXPECT_EQ(Paging(total + "現在のリスト: 51 - 123\r\n", PageSize(ListCount::All)),
              "51-123/123 -1 0 全 123 件中 51 - 123 件を表示 (Ctrl+P: 前の 123 件)");
}

TEST(ResultPageTest, TextsThatSayNoPageGiveNone) {
    const std::string total = "検索式にマッチする 10 個の文書が見つかりました。\n";
    for (const std::string& text : std::initializer_list<std::string>{
             kNoHit, total, "現在のリスト: 1 - 3\n", total + "現在のリスト: 1 - 3x\n",
             total + "現在のリスト: 5 - 3\n", total + "現在のリスト: 1 - 11\n",
             total + "現在のリスト: 0 - 10\n", total + "現在のリスト: 1 - 10000000000\n",
             "検索式にマッチする 10 個の文書\n現在のリスト: 1 - 10\n"}) {
        EXPECT_EQ(Paging(text, 20), "none") << text;
        EXPECT_EQ(WithPageNotice(text, ResultPageOf(text), 20), text);
    }
}

// The notice goes last, so a later page's hits are found and keep their
// offsets.
TEST(ResultPageTest, NoticeLeavesTheHitsOfALaterPageInPlace) {
    const std::string noticed = WithPageNotice(kLastPage, ResultPageOf(kLastPage), 5);
    EXPECT_EQ(noticed, kLastPage + PageNotice({6, 7, 7}, 5) + "\r\n");
    HitList plainHits, noticedHits;
    RenderResult(kLastPage, {}, plainHits);
    EXPECT_TRUE(RenderResult(noticed, {}, noticedHits).FoundHitList);
    ASSERT_EQ(noticedHits.HitCount(), 2);
    EXPECT_EQ(noticedHits.Clickables[1].Title, "7. 請求書確認の件");
    EXPECT_EQ(noticedHits.Clickables[1].UriStart, plainHits.Clickables[1].UriStart);
}

} // namespace
