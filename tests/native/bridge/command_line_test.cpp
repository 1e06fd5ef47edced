#include "bridge/command_line.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

struct SplitCase {
    const char* commandLine;
    Arguments expected;
};

TEST(SplitCommandLine, FollowsTheRuntimeRules) {
    const SplitCase cases[] = {
        {R"(perl.exe a b)", {"a", "b"}},
        {"perl.exe \t a \t b  ", {"a", "b"}},
        {R"(perl.exe)", {}},
        {R"("C:\Program Files\perl.exe" "Z:\usr\bin\mknmz" -x)", {R"(Z:\usr\bin\mknmz)", "-x"}},
        {R"(p "a b" c)", {"a b", "c"}},
        {R"(p a"b c"d)", {"ab cd"}},
        {R"(p "")", {""}},
        {R"(p --allow=".*\.alm")", {R"(--allow=.*\.alm)"}},
        {R"(p --output-dir="C:\AL\acc\Namazu\b001")", {R"(--output-dir=C:\AL\acc\Namazu\b001)"}},
        {R"(p "C:\dir\\" next)", {R"(C:\dir\)", "next"}},
        {R"(p a\\\"b)", {R"(a\"b)"}},
        {R"(p a\\\\"b c")", {R"(a\\b c)"}},
        {R"(p a\\b)", {R"(a\\b)"}},
        {R"(p "say ""hi""")", {R"(say "hi")"}},
        {R"(p "unclosed arg)", {"unclosed arg"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(c.expected, SplitCommandLine(c.commandLine));
    }
}

TEST(SplitCommandLine, TrailBytesThatLookLikeBackslashesDoNotEscape) {
    // 表 and ソ end in 0x5C; read as backslashes they would swallow the
    // closing quote and glue the next argument on.
    ASSERT_EQ(std::string("\x95\x5C"), std::string("表"));
    const SplitCase cases[] = {
        {"p \"予定表\" +b001", {"予定表", "+b001"}},
        {"p \"ソ\" x", {"ソ", "x"}},
        {"p \"Z:\\tmp\\予定表\" x", {"Z:\\tmp\\予定表", "x"}},
        // One real backslash after 表 escapes the quote, as after any letter.
        {"p \"Z:\\tmp\\予定表\\\" x", {"Z:\\tmp\\予定表\" x"}},
        {"p 表\\\"a b\"", {"表\"a", "b"}},
        {"\"C:\\予定表\\perl.exe\" \"会議 AND 予算\"", {"会議 AND 予算"}},
        {"C:\\予定表\\perl.exe arg", {"arg"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.commandLine);
        EXPECT_EQ(c.expected, SplitCommandLine(c.commandLine));
    }
}

TEST(SplitCommandLine, KeepsALeadByteCutOffAtTheEnd) {
    EXPECT_EQ(Arguments({"a\x95"}), SplitCommandLine("p a\x95"));
}

} // namespace
