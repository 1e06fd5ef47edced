#include "bridge/command_line.h"
#include "result/namazu_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct OptionRow {
    SortField Sort;
    SortDirection Direction;
    bool ContentsOff;
    ListCount Count;
    const char* Namazu13;
    const char* Namazu20;
};

TEST(NamazuCommandLineTest, OptionStringOfEveryRowOfBothVersions) {
    using D = SortDirection;
    const OptionRow rows[] = {
        {SortField::Earlier, D::Ascend, false, ListCount::Twenty, " -e -n 20",
         " --sort=field:date --ascending --max=\"20\""},
        {SortField::Earlier, D::Descend, false, ListCount::Twenty, " -e -n 20",
         " --sort=field:date --ascending --max=\"20\""},
        {SortField::Later, D::Ascend, false, ListCount::Fifty, " -l -n 50",
         " --sort=field:date --max=\"50\""},
        {SortField::None, D::Descend, false, ListCount::Twenty, " -n 20",
         " --sort=score --max=\"20\""},
        {SortField::None, D::Ascend, false, ListCount::Hundred, " -n 100",
         " --sort=score --ascending -n 100"},
        {SortField::None, D::Unchecked, true, ListCount::All, " -s -a",
         " --sort=score --short --all"},
        {SortField::From, D::Descend, false, ListCount::Twenty, " -n 20",
         " --sort=field:from --max=\"20\""},
        {SortField::To, D::Ascend, false, ListCount::Twenty, " -n 20",
         " --sort=field:to --ascending --max=\"20\""},
        {SortField::Subject, D::Ascend, true, ListCount::Fifty, " -s -n 50",
         " --sort=field:subject --ascending --short --max=\"50\""},
        {SortField::FileName, D::Descend, false, ListCount::All, " -a", " --sort=field:uri --all"},
    };
    for (const OptionRow& row : rows) {
        ResultOptions options;
        options.Sort = row.Sort;
        options.Direction = row.Direction;
        options.ContentsOff = row.ContentsOff;
        options.Count = row.Count;
        SCOPED_TRACE(row.Namazu20);
        EXPECT_EQ(NamazuOptionString(options, true), row.Namazu13);
        EXPECT_EQ(NamazuOptionString(options, false), row.Namazu20);
    }
}

TEST(NamazuCommandLineTest, CommandLinesOfBothVersions) {
    const std::string work = "d:\\idx\\Namazu";
    const std::vector<std::string> dirs = {work + "\\inbox\\", "D:\\IDX\\namazu\\b002\\b007\\"};
    NamazuRun run;
    run.NamazuPath = "c:\\usr\\local\\namazu\\bin\\namazu.exe";
    run.ResultFile = work + "\\result.txt";
    run.Formula = "mail AND lunch";
    run.Options = " --sort=score --max=\"20\"";
    run.IndexList = NamazuIndexList(dirs, work, false);
    EXPECT_EQ(NamazuCommandLine(run),
              "\"c:\\usr\\local\\namazu\\bin\\namazu.exe\" --sort=score --max=\"20\" "
              "--output=\"result.txt\"  \"mail AND lunch\" +inbox +b002/b007");
    run.Namazu13 = true;
    run.Options = " -n 20";
    run.NamazuOption = "-h";
    run.IndexList = NamazuIndexList(dirs, work, true);
    EXPECT_EQ(NamazuCommandLine(run),
              "\"c:\\usr\\local\\namazu\\bin\\namazu.exe\" -n 20 -f namazu.conf -o "
              "\"d:\\idx\\Namazu\\result.txt\" -h \"mail AND lunch\" inbox b002/b007");
}

// A search for formula in the indexes of indexList.
NamazuRun SampleRun(const std::string& formula, const std::string& indexList) {
    NamazuRun run;
    run.NamazuPath = "c:\\namazu.exe";
    run.Formula = formula;
    run.ResultFile = "c:\\w\\result.txt";
    run.IndexList = indexList;
    return run;
}

TEST(NamazuCommandLineTest, LaterPageNamesItsWhenceAndTheFirstNone) {
    NamazuRun run = SampleRun("lunch", "+b001");
    run.Options = " --sort=score --max=\"20\"";
    const std::string first = NamazuCommandLine(run);
    run.Whence = 20;
    EXPECT_EQ(NamazuCommandLine(run), "\"c:\\namazu.exe\" --sort=score --max=\"20\" --whence=20 "
                                      "--output=\"result.txt\"  \"lunch\" +b001");
    run.Whence = 0;
    EXPECT_EQ(NamazuCommandLine(run), first);
    run.Namazu13 = true;
    run.Options = " -n 20";
    run.Whence = 40;
    EXPECT_EQ(
        NamazuCommandLine(run),
        "\"c:\\namazu.exe\" -n 20 -w 40 -f namazu.conf -o \"c:\\w\\result.txt\"  \"lunch\" +b001");
}

// What namazu.exe finds in its command line when searching for formula.
std::vector<std::string> SearchArguments(const std::string& formula, const std::string& indexList) {
    return SplitCommandLine(NamazuCommandLine(SampleRun(formula, indexList)));
}

// A directory name may hold a blank, and settings changed since indexing
// can leave a target outside the work directory, named by its own path.
TEST(NamazuCommandLineTest, EachIndexReachesTheProgramAsOneArgument) {
    const std::string work = "c:\\my mail\\Namazu";
    const std::vector<std::string> dirs = {work + "\\my box\\", work + "\\b001\\予定表\\",
                                           "c:\\my mail\\Namazu2\\b001\\", "c:\\x\\"};
    EXPECT_EQ(SearchArguments("a", NamazuIndexList(dirs, work, false)),
              (std::vector<std::string>{"--output=result.txt", "a", "+my box", "+b001/予定表",
                                        "c:\\my mail\\Namazu2\\b001", "c:\\x"}));
    EXPECT_EQ(SearchArguments("a", NamazuIndexList(dirs, work, true)),
              (std::vector<std::string>{"--output=result.txt", "a", "my box", "b001/予定表",
                                        "c:\\my mail\\Namazu2\\b001", "c:\\x"}));
    EXPECT_EQ(NamazuIndexList({"", "\\"}, work, true), "\"\" \"\"");
}

TEST(NamazuCommandLineTest, FormulaReachesTheProgramAsOneArgument) {
    const std::vector<std::string> formulas = {
        "\"lunch meeting\"",
        "予定表",
        "予定表\\",
        "ソ\"",
        "a\\\\\"b\\",
        "trailing\\\\",
        "mail AND lunch",
        "\"\"",
        "\" --all -o c:\\x.txt \"",
        "表 \"能\" 予",
        "\\\"\\",
        "",
    };
    for (const std::string& formula : formulas) {
        SCOPED_TRACE(formula);
        const std::vector<std::string> arguments = SearchArguments(formula, "+b001 +b002/b003");
        ASSERT_EQ(arguments.size(), 4u);
        EXPECT_EQ(arguments[0], "--output=result.txt");
        EXPECT_EQ(arguments[1], formula);
        EXPECT_EQ(arguments[2], "+b001");
        EXPECT_EQ(arguments[3], "+b002/b003");
    }
}

TEST(NamazuCommandLineTest, FormulaCutInsideACharacterStaysOneArgument) {
    // A history entry cut in a hand-edited tarnwick.ini can end in a lone
    // lead byte.
    const std::vector<std::string> formulas = {"予算\x95", "a\\\x81", "\x81"};
    for (const std::string& formula : formulas) {
        SCOPED_TRACE(formula);
        const std::vector<std::string> arguments = SearchArguments(formula, "+b001");
        ASSERT_EQ(arguments.size(), 3u);
        EXPECT_EQ(arguments[1], formula.substr(0, formula.size() - 1));
        EXPECT_EQ(arguments[2], "+b001");
    }
}

} // namespace
