#include "result/result_page.h"

#include "result/pane_positions.h"
#include "text/shift_jis.h"

#include <algorithm>

namespace {

// Namazu 2.0 takes the label from its message catalogue; 1.3 writes it in
// English whatever its language.
const std::string kRangeLabels[] = {"現在のリスト: ", "Current List: "};
const std::string kRangeSeparator = " - ";
const std::string kTotalPrefix = "検索式にマッチする ";
const std::string kTotalSuffix = " 個の文書が見つかりました。";

const char kShownNotice[] = "全 {total} 件中 {first} - {last} 件を表示";
const char kPastEndNotice[] = "全 {total} 件中 {first} 件目からはありません";
const char kNextPageKey[] = "Ctrl+N: 次の {count} 件";
const char kPreviousPageKey[] = "Ctrl+P: 前の {count} 件";

// More digits than a hit count can have would overflow an int.
const size_t kMaxDigits = 9;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The number at position, moving position past it.
std::optional<int> NumberAt(const std::string& text, size_t& position) {
    const size_t start = position;
    while (position < text.size() && position - start <= kMaxDigits && text[position] >= '0' &&
           text[position] <= '9')
        ++position;
    if (position == start || position - start > kMaxDigits)
        return std::nullopt;
    return std::stoi(text.substr(start, position - start));
}

// The page's First and Last; its Total stays 0.
std::optional<ResultPage> RangeOf(const std::string& line) {
    for (const std::string& label : kRangeLabels) {
        if (!StartsWith(line, label))
            continue;
        size_t position = label.size();
        const std::optional<int> first = NumberAt(line, position);
        if (!first || line.compare(position, kRangeSeparator.size(), kRangeSeparator) != 0)
            return std::nullopt;
        position += kRangeSeparator.size();
        const std::optional<int> last = NumberAt(line, position);
        if (!last || position != line.size())
            return std::nullopt;
        return ResultPage{*first, *last, 0};
    }
    return std::nullopt;
}

std::optional<int> TotalOf(const std::string& line) {
    if (!StartsWith(line, kTotalPrefix))
        return std::nullopt;
    size_t position = kTotalPrefix.size();
    const std::optional<int> total = NumberAt(line, position);
    if (!total || line.compare(position, std::string::npos, kTotalSuffix) != 0)
        return std::nullopt;
    return total;
}

// Namazu writes its range after the hits and its total before them, so a
// mail's summary that quotes either line is not taken for it.
std::optional<ResultPage> LastRange(const std::vector<std::string>& lines) {
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (const std::optional<ResultPage> range = RangeOf(*line))
            return range;
    }
    return std::nullopt;
}

std::optional<int> FirstTotal(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (const std::optional<int> total = TotalOf(line))
            return total;
    }
    return std::nullopt;
}

bool IsPastEnd(const ResultPage& page) {
    return page.First > page.Last;
}

int HitsFrom(const ResultPage& page, int whence, int pageSize) {
    const int rest = page.Total - whence;
    return pageSize > 0 ? std::min(pageSize, rest) : rest;
}

std::string Filled(const std::string& text, const std::string& field, int value) {
    return ReplaceAllWhole(text, "{" + field + "}", std::to_string(value));
}

std::string ShownRange(const ResultPage& page) {
    const std::string text =
        Filled(Filled(IsPastEnd(page) ? kPastEndNotice : kShownNotice, "total", page.Total),
               "first", page.First);
    return Filled(text, "last", page.Last);
}

std::string PageKeys(const ResultPage& page, int pageSize) {
    std::string keys;
    if (HasNextPage(page))
        keys = Filled(kNextPageKey, "count", HitsFrom(page, NextPageWhence(page), pageSize));
    if (HasPreviousPage(page)) {
        const int whence = PreviousPageWhence(page, pageSize);
        keys += (keys.empty() ? "" : ", ") +
                Filled(kPreviousPageKey, "count", HitsFrom(page, whence, pageSize));
    }
    return keys;
}

} // namespace

std::optional<ResultPage> ResultPageOf(const std::string& resultText) {
    return ResultPageOfLines(PaneLines(resultText));
}

std::optional<ResultPage> ResultPageOfLines(const std::vector<std::string>& lines) {
    std::optional<ResultPage> page = LastRange(lines);
    const std::optional<int> total = FirstTotal(lines);
    if (!page || !total)
        return std::nullopt;
    page->Total = *total;
    const bool fits = page->First >= 1 && page->Total >= 1 && page->Last <= page->Total &&
                      (page->First <= page->Last || page->Last == page->Total);
    return fits ? page : std::nullopt;
}

int PageSize(ListCount count) {
    switch (count) {
    case ListCount::Twenty:
        return 20;
    case ListCount::Fifty:
        return 50;
    case ListCount::Hundred:
        return 100;
    default:
        return 0;
    }
}

bool HasNextPage(const ResultPage& page) {
    return page.Last < page.Total;
}

bool HasPreviousPage(const ResultPage& page) {
    return page.First > 1;
}

int NextPageWhence(const ResultPage& page) {
    return page.Last;
}

int PreviousPageWhence(const ResultPage& page, int pageSize) {
    if (pageSize <= 0)
        return 0;
    if (page.First - 1 >= page.Total)
        return std::max(0, (page.Total - 1) / pageSize * pageSize);
    return std::max(0, page.First - 1 - pageSize);
}

std::string PageNotice(const ResultPage& page, int pageSize) {
    if (!HasNextPage(page) && !HasPreviousPage(page))
        return "";
    return ShownRange(page) + " (" + PageKeys(page, pageSize) + ")";
}

std::string WithPageNotice(const std::string& resultText, const std::optional<ResultPage>& page,
                           int pageSize) {
    const std::string notice = page ? PageNotice(*page, pageSize) : "";
    if (notice.empty())
        return resultText;
    const bool endsWithBreak =
        !resultText.empty() && (resultText.back() == '\n' || resultText.back() == '\r');
    return resultText + (endsWithBreak ? "" : "\r\n") + notice + "\r\n";
}
