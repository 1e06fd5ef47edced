#include "settings/integer_text.h"

#include <gtest/gtest.h>

namespace {

TEST(IntegerText, OnlyDecimalTextInThirtyTwoBitsIsAnInteger) {
    struct Case {
        const char* Text;
        std::optional<int> Value;
    };
    const Case cases[] = {
        {"0", 0},
        {"50", 50},
        {"007", 7},
        {"-1", -1},
        {"+12", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"5x", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
        {"１０", std::nullopt}, // full-width digits are not decimal text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseInteger(c.Text), c.Value);
        EXPECT_EQ(IntegerOr(c.Text, -99), c.Value.value_or(-99));
    }
}

} // namespace
