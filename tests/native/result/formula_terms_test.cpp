#include "result/formula_terms.h"

#include <gtest/gtest.h>

namespace {

using Terms = std::vector<std::vector<std::string>>;

Terms WordsOf(const std::string& formula) {
    Terms words;
    for (const FormulaTerm& term : FormulaTerms(formula))
        words.push_back(term.Words);
    return words;
}

TEST(FormulaTermsTest, OnlyThePlainTermsOfAFormulaAreLeft) {
    struct Case {
        std::string Formula;
        Terms Words;
    };
    // ± ends in 0x7D, '}' as a trail byte; 表 ends in 0x5C.
    const Case cases[] = {
        {"会議 AND 予算 or Lunch & x | y", {{"会議"}, {"予算"}, {"Lunch"}, {"x"}, {"y"}}},
        {"( a OR b ) c", {{"a"}, {"b"}, {"c"}}},
        {"+subject:会議 +From:foo@bar.jp +message-id:<1@x> +subject: +1:x",
         {{"会議"}, {"foo@bar.jp"}, {"<1@x>"}, {"+1:x"}}},
        {"+subject:\"GNU Emacs\" {会議 予定} \"表\" {± x}",
         {{"GNU", "Emacs"}, {"会議", "予定"}, {"表"}, {"±", "x"}}},
        {"abc* *def *ghi* * /pro(gram|blem)s?/ +subject:/a b/ TCP/IP",
         {{"abc"}, {"def"}, {"ghi"}, {"TCP/IP"}}},
        {"会議　予算　\"a　b\"", {{"会議"}, {"予算"}, {"a", "b"}}},
        {"Linux not UNIX ! +from:bill a NOT ( b or ( c ) ) d", {{"Linux"}, {"a"}, {"d"}}},
        {"Mail mail MAIL {a b} {A B} and", {{"Mail"}, {"a", "b"}}},
        {"x \"open phrase", {{"x"}, {"open", "phrase"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Formula);
        EXPECT_EQ(WordsOf(c.Formula), c.Words);
    }
}

} // namespace
