#include "bridge/argument_translation.h"
#include "bridge/linux_path.h"

#include <gtest/gtest.h>

namespace {

using Arguments = std::vector<std::string>;

// Wine's default mapping of Z: to "/", and a made-up root for the others.
std::string FakeLinuxPath(const std::string& windowsPath) {
    const char drive = windowsPath[0];
    const std::string root =
        drive == 'Z' || drive == 'z' ? "/" : std::string("/drive_") + drive + "/";
    return root + PathBelowDrive(windowsPath);
}

Arguments Translate(const Arguments& arguments) {
    return TranslateArguments(arguments, FakeLinuxPath);
}

TEST(TranslateArguments, IndexRunOfNamazu2) {
    const Arguments windows = {
        R"(Z:\usr\bin\mknmz)",
        "--use-kakasi",
        "--mailnews",
        "-EHK",
        R"(--allow=.*\.alm)",
        R"(--output-dir=Z:\tmp\acc\Namazu\b001)",
        "--replace=s#Z:/tmp/acc/#account/#i",
        ".",
    };
    const Arguments linux = {
        "/usr/bin/mknmz",
        "--use-kakasi",
        "--mailnews",
        "-EHK",
        R"(--allow=.*\.alm)",
        "--output-dir=/tmp/acc/Namazu/b001",
        "--replace=s#/tmp/acc/#account/#i",
        ".",
    };
    EXPECT_EQ(linux, Translate(windows));
}

TEST(TranslateArguments, IndexRunOfNamazu13) {
    const Arguments windows = {R"(c:\usr\local\namazu\bin\mknmz)",
                               "-kh",
                               "-O",
                               R"(C:\AL\acc\Namazu\b001)",
                               "account/user001.box/",
                               R"(c:\al\acc\user001.box)"};
    const Arguments linux = {"/drive_c/usr/local/namazu/bin/mknmz",
                             "-kh",
                             "-O",
                             "/drive_C/AL/acc/Namazu/b001",
                             "account/user001.box/",
                             "/drive_c/al/acc/user001.box"};
    EXPECT_EQ(linux, Translate(windows));
}

TEST(TranslateArguments, SearchRunPassesUnchanged) {
    // The index names are relative to the namazurc's INDEX, the output file
    // to the working directory; the query is never a path.
    const Arguments search = {"--sort=score",    "--max=20", "--output=result.txt", "",
                              "予定表 AND 会議", "+inbox",   "+b002/b007"};
    EXPECT_EQ(search, Translate(search));
}

TEST(TranslateArguments, ReplaceCodeKeepsAllButALeadingDrivePath) {
    const std::pair<const char*, const char*> cases[] = {
        {"--replace=s#C:/AL/acc/#account/#i", "--replace=s#/drive_C/AL/acc/#account/#i"},
        {"--replace=s|Z:/予\\定表\\/|account/|", "--replace=s|/予\\定表\\/|account/|"},
        {"--replace=s#Z:/My Documents \\(old\\)/a\\#b\\.c/#account/#i",
         "--replace=s#/My Documents \\(old\\)/a\\#b\\.c/#account/#i"},
        {"--replace=s#^/home/#account/#", "--replace=s#^/home/#account/#"},
        {"--replace=s#x#account/#i", "--replace=s#x#account/#i"},
        {"--replace=tr/a-z/A-Z/", "--replace=tr/a-z/A-Z/"},
        {"--replace=s#C:/unterminated", "--replace=s#C:/unterminated"},
        {"--replace=", "--replace="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(Arguments({c.second}), Translate({c.first}));
    }
}

TEST(TranslateArguments, OptionValuesAreTranslatedOnlyWhenAbsolute) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(--config=Z:\idx\Namazu\namazurc)", "--config=/idx/Namazu/namazurc"},
        {R"(--include=C:\cfg\mknmzrc)", "--include=/drive_C/cfg/mknmzrc"},
        {"--config=namazurc", "--config=namazurc"},
        {R"(--exclude=\.bak$)", R"(--exclude=\.bak$)"},
        {R"(name=Z:\x)", R"(name=Z:\x)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(Arguments({c.second}), Translate({c.first}));
    }
}

TEST(OptionValue, MatchesTheWholeOptionName) {
    EXPECT_EQ("namazurc", OptionValue("--config=namazurc", "--config"));
    EXPECT_EQ("", OptionValue("--configure=x", "--config"));
    EXPECT_EQ("", OptionValue("--config", "--config"));
}

} // namespace
