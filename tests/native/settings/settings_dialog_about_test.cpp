#include "fakes/fake_shell.h"
#include "settings/about_links.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(AboutLinks, EachTagOpensItsPageAndOtherTagsAnEmptyAddress) {
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "https://github.com/tarnwick/tarnwick"},
        {2, "http://www.namazu.org/"},
        {3, "http://www.namazu.org/windows/"},
        {4, "http://www.namazu.org/os2/"},
        {0, ""},
        {5, ""},
        {-1, ""},
    };
    FakeShell shell;
    for (const auto& [tag, address] : cases)
        OpenAboutLink(shell, tag);

    ASSERT_EQ(shell.Opened.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].first);
        EXPECT_EQ(shell.Opened[i], cases[i].second);
    }
}

} // namespace
