#include "indexer/mknmz_options.h"

#include <gtest/gtest.h>

namespace {

TEST(MknmzOptionsTest, FindsTheLettersNamazu20Refuses) {
    struct Case {
        const char* Options;
        std::optional<char> Unknown;
    };
    const Case cases[] = {
        {"-kh -KP", 'P'},
        {"-kh -KP -t \".*\\.alm\"", 'P'},
        {"--use-kakasi --mailnews -EK --allow=\".*\\.alm\"", std::nullopt},
        {"--use-kakasi --mailnews -EHK --allow=\".*\\.alm\"", std::nullopt},
        // A value-taking letter ends its group: the rest, or the next word, is its value.
        {"-kOPath -hE", std::nullopt},
        {"-O -P -k", std::nullopt},
        {"-f \"-P\" -kw", 'w'},
        {"\"--allow=-P\" -P", 'P'},
        {"", std::nullopt},
        {"- --", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Options);
        EXPECT_EQ(UnknownNamazu20Letter(c.Options), c.Unknown);
    }
}

} // namespace
