#include "search/header_conditions.h"
#include "search/search_formula.h"
#include "search/search_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchTextTest, TrimsCodesUpTo32ButNotTheIdeographicSpace) {
    struct Case {
        std::string text;
        std::string trimmed;
    };
    const Case cases[] = {
        {"  abc  ", "abc"},
        {"\t\r\n\x01"
         "abc\x1f ",
         "abc"},
        {"　abc　", "　abc　"},
        {" 　 ", "　"},
        {"   ", ""},
        {"a b", "a b"},
        // A lead byte at the very end stays; a space after a lead byte is its
        // trail byte, not a character of its own.
        {"abc\x81", "abc\x81"},
        {" abc\x81 ", "abc\x81 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TrimControlCharacters(c.text), c.trimmed);
    }
}

TEST(SearchTextTest, RemovesIdeographicSpacesOnlyAtCharacterStarts) {
    EXPECT_EQ(WithoutIdeographicSpaces("会議　資料　"), "会議資料");
    // 0x81 0x81 0x40: the space pattern starts inside the first character.
    EXPECT_EQ(WithoutIdeographicSpaces("\x81\x81\x40"), "\x81\x81\x40");
    EXPECT_TRUE(IsEmptyWithoutIdeographicSpaces("　　"));
    EXPECT_TRUE(IsEmptyWithoutIdeographicSpaces(""));
    // Only the trimming before removes ASCII spaces.
    EXPECT_FALSE(IsEmptyWithoutIdeographicSpaces("　 　"));
    EXPECT_FALSE(IsEmptyWithoutIdeographicSpaces("　x"));
}

TEST(HeaderConditionsTest, AddAcceptsKnownNamesIgnoringCaseAndRefusesTheRest) {
    HeaderConditions conditions;
    EXPECT_TRUE(conditions.Add("subject:", " a b "));
    EXPECT_FALSE(conditions.Add("Subject", "x"));
    EXPECT_FALSE(conditions.Add("X-Mailer:", "x"));
    EXPECT_FALSE(conditions.Add("From:", "  \t"));
    EXPECT_FALSE(conditions.Add("subject:", "a b")); // the same row again
    EXPECT_TRUE(conditions.Add("Subject:", "a b"));  // differs in case only
    EXPECT_TRUE(conditions.Add("From:", "　"));      // not blank for a header
    ASSERT_EQ(conditions.Rows().size(), 3u);
    EXPECT_EQ(conditions.Rows()[0].Name, "subject:");
    EXPECT_EQ(conditions.Rows()[0].Keyword, "a b");
    EXPECT_EQ(conditions.Selected(), 0);
}

TEST(HeaderConditionsTest, AddSelectsTheFirstRowOnlyWhenNoneIsSelected) {
    HeaderConditions conditions;
    conditions.Add("To:", "a");
    conditions.Add("From:", "b");
    conditions.Select(1);
    conditions.Add("Date:", "c");
    EXPECT_EQ(conditions.Selected(), 1);
    conditions.Select(-1);
    conditions.Add("Path:", "d");
    EXPECT_EQ(conditions.Selected(), 0);
}

TEST(HeaderConditionsTest, DeleteReturnsTheRowAndSelectsItsSuccessorOrTheLastRow) {
    HeaderConditions conditions;
    conditions.Add("To:", "a");
    conditions.Add("From:", "b");
    conditions.Add("Date:", "c");

    conditions.Select(1);
    const auto middle = conditions.DeleteSelected();
    ASSERT_TRUE(middle);
    EXPECT_EQ(middle->Name, "From:");
    EXPECT_EQ(middle->Keyword, "b");
    EXPECT_EQ(conditions.Selected(), 1); // now Date:

    const auto last = conditions.DeleteSelected();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->Name, "Date:");
    EXPECT_EQ(conditions.Selected(), 0);

    const auto only = conditions.DeleteSelected();
    ASSERT_TRUE(only);
    EXPECT_TRUE(conditions.Rows().empty());
    EXPECT_EQ(conditions.Selected(), -1);
    EXPECT_FALSE(conditions.DeleteSelected());
}

TEST(HeaderConditionsTest, DeleteWithoutSelectionDoesNothing) {
    HeaderConditions conditions;
    conditions.Add("To:", "a");
    conditions.Select(-1);
    EXPECT_FALSE(conditions.DeleteSelected());
    EXPECT_EQ(conditions.Rows().size(), 1u);
}

TEST(SearchFormulaTest, KeywordComesTrimmedAheadOfTheHeaderConditions) {
    struct Case {
        std::string keyword;
        std::vector<std::pair<std::string, std::string>> headers;
        std::string formula;
        bool cleared;
    };
    const Case cases[] = {
        {"  abc  ", {}, "abc", false},
        {" 　 　", {}, "　 　", false},
        {" \t　　  ", {}, "", true},
        {"", {}, "", true},
        {"　", {{"Subject:", "x"}}, "　 +Subject:x", false},
        {"", {{"To:", "a"}, {"From:", "b"}}, "+To:a +From:b", false},
        {"予算 and 会議",
         {{"From:", "info"}, {"Subject:", "報告"}},
         "予算 and 会議 +From:info +Subject:報告",
         false},
        {" ", {{"subject:", " a b "}}, "+subject:a b", false},
        {"abc +Subject:x", {}, "abc +Subject:x", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyword + " | " + c.formula);
        HeaderConditions conditions;
        for (const auto& header : c.headers)
            ASSERT_TRUE(conditions.Add(header.first, header.second));
        const AssembledFormula assembled = AssembleSearchFormula(c.keyword, conditions);
        EXPECT_EQ(assembled.Formula, c.formula);
        EXPECT_EQ(assembled.ClearKeyword, c.cleared);
    }
}

TEST(SearchFormulaTest, HistoryShowsStoredEntriesThatAreNotBlankUntrimmed) {
    TSettings settings;
    settings.FormulaHistryCount = "3";
    settings.History = {" x ", "", "y", "z"};
    EXPECT_EQ(FormulaHistoryItems(settings), (std::vector<std::string>{" x ", "y"}));

    settings.History = {"x", " \t", "　"};
    EXPECT_EQ(FormulaHistoryItems(settings), (std::vector<std::string>{"x", "　"}));

    settings.FormulaHistryCount = "ten";
    EXPECT_TRUE(FormulaHistoryItems(settings).empty());
}

} // namespace
