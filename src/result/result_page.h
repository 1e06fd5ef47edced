#pragma once

#include "result/result_options.h"

#include <optional>
#include <string>
#include <vector>

// Which of a search's hits one result file holds, and the pages beside it.
// Hits are numbered from 1 as Namazu numbers them; a whence is the 0-based
// offset of a page's first hit, as --whence (2.0) and -w (1.3) take it.
struct ResultPage {
    int First = 0;
    // Namazu asked for a page past the end writes its range as "86 - 56":
    // First beyond Last, Last the total.
    int Last = 0;
    int Total = 0;
};

// The page of a result file's text: its range line ("現在のリスト: 21 - 40",
// "Current List: 21 - 40" from Namazu 1.3) and its total ("検索式にマッチ
// する 56 個の文書が見つかりました。"). None when either is missing or they
// do not fit together.
std::optional<ResultPage> ResultPageOf(const std::string& resultText);
// The same for the text split into lines.
std::optional<ResultPage> ResultPageOfLines(const std::vector<std::string>& lines);

// The hits a page of count holds; 0 for all.
int PageSize(ListCount count);

bool HasNextPage(const ResultPage& page);
bool HasPreviousPage(const ResultPage& page);
int NextPageWhence(const ResultPage& page);
// A page past the end goes back to the last page that holds hits.
int PreviousPageWhence(const ResultPage& page, int pageSize);

// The line telling that a search found more hits than the page shows, with
// the keys to the pages beside it; empty when the page shows every hit.
std::string PageNotice(const ResultPage& page, int pageSize);

// resultText with the notice of its page (ResultPageOf's) as a further last
// line, where it moves no hit; resultText itself when there is no notice.
std::string WithPageNotice(const std::string& resultText, const std::optional<ResultPage>& page,
                           int pageSize);
