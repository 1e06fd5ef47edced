#include "result/word_marks.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Ranges = std::vector<std::pair<int32_t, int32_t>>;

Ranges MarksOf(const std::string& text, const std::vector<FormulaTerm>& terms) {
    Ranges ranges;
    for (const MarkedRange& mark : WordMarks(text, terms))
        ranges.emplace_back(mark.Start, mark.Length);
    return ranges;
}

TEST(WordMarksTest, OccurrencesStartAtCharactersIgnoreCaseAndMerge) {
    struct Case {
        const char* Name;
        std::string Text;
        std::vector<FormulaTerm> Terms;
        Ranges Marks;
    };
    // ア is 0x83 0x41, a trail byte 'A'; ∴ ends in 0x88 and the next
    // character begins with 0x9F, together the bytes of 亜.
    const Case cases[] = {
        {"ASCII case", "Mail MAIL mail", {{{"mAiL"}}}, {{0, 4}, {5, 4}, {10, 4}}},
        {"trail byte letter", "アa", {{{"A"}}}, {{2, 1}}},
        {"trail and lead", "∴\x9F\x40亜", {{{"亜"}}}, {{4, 2}}},
        {"overlapping words", "xabcdefx", {{{"cdef"}}, {{"abc"}}, {{"bcd"}}}, {{1, 6}}},
        {"longer first", "会議事録と会議", {{{"会議"}}, {{"会議事録"}}}, {{0, 8}, {10, 4}}},
        {"phrase",
         "GNU  emacs|gnu\r\nEmacs|GNU　Emacs|GNUEmacs|GNU x Emacs",
         {{{"GNU", "Emacs"}}},
         {{0, 10}, {11, 10}, {22, 10}, {33, 8}}},
        {"no terms", "abc", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(MarksOf(c.Text, c.Terms), c.Marks);
    }
}

TEST(WordMarksTest, CaretMovesToTheNextOrPreviousStartWithoutWrapping) {
    // 予 定 CR LF m a i l space 予: the second mark is character 8.
    const std::string text = "予定\r\nmail 予定";
    const std::vector<int32_t> starts =
        MarkStarts(WordMarks(text, {{{"予定"}}}), PanePositions(PaneLines(text)));
    ASSERT_EQ(starts, (std::vector<int32_t>{0, 8}));
    EXPECT_EQ(NextMark(starts, 0), 8);
    EXPECT_EQ(NextMark(starts, 5), 8);
    EXPECT_EQ(NextMark(starts, 8), std::nullopt);
    EXPECT_EQ(PreviousMark(starts, 8), 0);
    EXPECT_EQ(PreviousMark(starts, 9), 8);
    EXPECT_EQ(PreviousMark(starts, 0), std::nullopt);
    EXPECT_EQ(NextMark({}, 0), std::nullopt);
}

} // namespace
