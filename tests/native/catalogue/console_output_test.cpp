#include "catalogue/console_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SplitCase {
    const char* Name;
    std::vector<std::string> Chunks;
    std::vector<std::string> Blocks;
    std::string Rest;
};

TEST(ConsoleOutputSplitterTest, HandsBackWholeLinesAndKeepsTheRest) {
    const std::vector<SplitCase> cases = {
        {"two lines in one burst", {"a\nb\n"}, {"a\nb\n"}, ""},
        {"no line feed at all", {"abc"}, {""}, "abc"},
        {"line completed by the next read", {"ab", "c\nd"}, {"", "abc\n"}, "d"},
        {"empty lines", {"\n\n"}, {"\n\n"}, ""},
        {"inner CR LF kept", {"a\r\nb\r", "\n"}, {"a\r\n", "b\r\n"}, ""},
        {"double-byte character split", {"\x82", "\xA0\x82", "\xA2\n"}, {"", "", "あい\n"}, ""},
        {"trail byte 0x5C split off", {"\x95", "\x5C\n"}, {"", "表\n"}, ""},
        {"NUL bytes dropped", {std::string("x\0y\n\0z", 6)}, {"xy\n"}, "z"},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.Name);
        ConsoleOutputSplitter splitter;
        std::vector<std::string> blocks;
        for (const std::string& chunk : c.Chunks)
            blocks.push_back(splitter.Add(chunk));
        EXPECT_EQ(blocks, c.Blocks);
        EXPECT_EQ(splitter.TakeRest(), c.Rest);
        EXPECT_EQ(splitter.TakeRest(), "");
    }
}

TEST(ConsoleOutputSplitterTest, CutsAnOverlongLineAndDropsItsRest) {
    const size_t longest = ConsoleOutputSplitter::kLongestPendingLine;
    ConsoleOutputSplitter splitter;

    EXPECT_EQ(splitter.Add(std::string(longest - 10, 'x')), "");
    EXPECT_EQ(splitter.Add(std::string(100, 'y')), "");
    EXPECT_EQ(splitter.Add(std::string(1000000, 'z')), "");
    EXPECT_EQ(splitter.Add("zz\nnext\nup"),
              std::string(longest - 10, 'x') + std::string(10, 'y') + "\nnext\n");
    EXPECT_EQ(splitter.TakeRest(), "up");
}

TEST(ConsoleOutputSplitterTest, CutsAnOverlongLineBetweenCharacters) {
    const size_t longest = ConsoleOutputSplitter::kLongestPendingLine;
    ConsoleOutputSplitter splitter;

    splitter.Add(std::string(longest - 1, 'x') + "あ");

    EXPECT_EQ(splitter.TakeRest(), std::string(longest - 1, 'x'));
    // The line after a cut one is kept again.
    EXPECT_EQ(splitter.Add("short\n"), "short\n");
}

TEST(ConsoleOutputSplitterTest, CutsAnOverlongLineThatEndsInTheSameChunk) {
    const size_t longest = ConsoleOutputSplitter::kLongestPendingLine;
    ConsoleOutputSplitter splitter;
    splitter.Add("ab");

    EXPECT_EQ(splitter.Add(std::string(longest, 'x') + "\nc\n"),
              "ab" + std::string(longest - 2, 'x') + "\nc\n");
}

TEST(ViewLineTest, RemovesTrailingBlanksAndControlsAndEndsWithCrLf) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a\n", "a\r\n"},
        {"a \t\r\n", "a\r\n"},
        {"a  \nb  \n", "a  \nb\r\n"},
        {"\n", "\r\n"},
        {"\x1B\x7F", "\x1B\x7F\r\n"},
        {"全角　\n", "全角　\r\n"},
        {"  lead\n", "  lead\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(ViewLine(c.first), c.second);
    }
}

TEST(ConsoleOutputTextTest, HeaderAndFailureMessagesAreExact) {
    EXPECT_EQ(CaptureHeader("C:\\al\\予定表\\", "\"perl.exe\" -v"),
              "WorkDir: C:\\al\\予定表\\\r\nCommandLine: \r\n\"perl.exe\" -v\r\n\r\n");
    EXPECT_EQ(StartFailureMessage("C:\\w\\", "x.exe a"),
              "起動に失敗しました。\n\n作業ディレクトリ: C:\\w\\\nコマンド: x.exe a");
    EXPECT_EQ(PipeFailureMessage(), "パイプの作成に失敗しました。");
    EXPECT_EQ(CaptureStartFailureMessage("x.exe a", 2),
              "コマンドの実行に失敗しました。\nx.exe a\nエラーコード： 2");
    EXPECT_EQ(std::string(kCaptureSeparator), "\r\n\r\n");
}

} // namespace
