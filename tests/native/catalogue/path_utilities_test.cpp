#include "catalogue/path_utilities.h"
#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    std::string input;
    std::string expected;
};

TEST(PathUtilities, UrlToLocalPath) {
    const TextCase cases[] = {
        {"file:///C|/al/acc/user001.box/x.alm", "C:\\al\\acc\\user001.box\\x.alm"},
        {"/C|/al/x", "C:\\al\\x"},
        {"http://example.com/a|b", "http://example.com/a|b"},
        {"ftp://host/x", "ftp://host/x"},
        {"gopher://host/x", "gopher://host/x"},
        {"telnet://host", "telnet://host"},
        {"HTTP://host/x", "HTTP:\\\\host\\x"},
        {"//server/share", "\\server\\share"},
        // ポ is 0x83 0x7C: its trail byte is not a bar.
        {"/C|/ポ/x", "C:\\ポ\\x"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(UrlToLocalPath(c.input), c.expected);
    }
}

TEST(PathUtilities, LocalPathToUri) {
    const TextCase cases[] = {
        {"c:\\al\\acc\\Namazu\\b001\\", "/C|/al/acc/Namazu/b001/"},
        {"\\\\server\\share\\x", "///server/share/x"},
        {"c:\\予定表\\ソ", "/C|/予定表/ソ"},
        {"ab:c:d", "/AB|c|d"},
        // ブ is 0x83 0x75: upper-casing its trail byte would make it another letter.
        {"ブ:\\x", "/ブ|/x"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(LocalPathToUri(c.input), c.expected);
    }
    EXPECT_EQ(UrlToLocalPath(LocalPathToUri("c:\\al\\予定表\\")), "C:\\al\\予定表\\");
}

TEST(PathUtilities, ParentDir) {
    const TextCase cases[] = {
        {"c:\\al\\acc\\user001.box\\", "c:\\al\\acc\\"},
        {"c:\\al\\acc\\user001.box", "c:\\al\\acc\\"},
        {"a/b/", "a/"},
        {"name", ""},
        {"\\", ""},
        {"", ""},
        {"c:\\表x", "c:\\"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ParentDir(c.input), c.expected);
    }
}

TEST(PathUtilities, FindNthFromEndCountsCharacters) {
    struct Case {
        std::string s;
        std::string sub;
        int n;
        size_t expected;
    };
    const Case cases[] = {
        {"a\\Inbox.box\\b\\Inbox.box\\c", "\\Inbox.box\\", 1, 14},
        {"a\\Inbox.box\\b\\Inbox.box\\c", "\\Inbox.box\\", 2, 2},
        {"a\\Inbox.box\\b\\Inbox.box\\c", "\\Inbox.box\\", 3, 0},
        {"c:\\usr\\local\\namazu\\bin\\namazu.exe", "\\", 2, 20},
        {"表\\表\\", "\\", 1, 4},
        {"表\\表\\", "\\", 2, 2},
        {"表表", "\\", 1, 0},
        {"abc", "abcd", 1, 0},
        {"abc", "b", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s + " / " + c.sub + " / " + std::to_string(c.n));
        EXPECT_EQ(FindNthFromEnd(c.s, c.sub, c.n), c.expected);
    }
}

// Adds hidden and system attributes, and refuses copies to chosen targets.
class AttributedFileSystem : public FakeFileSystem {
public:
    std::set<std::string> Hidden;
    std::set<std::string> System;
    std::set<std::string> RefusedTargets;

    std::vector<DirectoryEntry> ListDirectory(const std::string& pattern) override {
        std::vector<DirectoryEntry> entries = FakeFileSystem::ListDirectory(pattern);
        for (DirectoryEntry& entry : entries) {
            entry.IsHidden = Hidden.count(entry.Name) > 0;
            entry.IsSystem = System.count(entry.Name) > 0;
        }
        return entries;
    }
    bool CopyOneFile(const std::string& source, const std::string& target) override {
        return !RefusedTargets.count(target) && FakeFileSystem::CopyOneFile(source, target);
    }
};

const std::string kIndex = "c:\\idx\\予定表"; // ends in the byte of a backslash

TEST(PathUtilities, ListingTakesOnlyPlainFiles) {
    AttributedFileSystem files;
    files.Files[kIndex + "\\NMZ.i"] = "";
    files.Files[kIndex + "\\NMZ.hidden"] = "";
    files.Files[kIndex + "\\NMZ.system"] = "";
    files.Files[kIndex + "\\NMZ.dir\\x"] = "";
    files.Hidden.insert("NMZ.hidden");
    files.System.insert("NMZ.system");
    std::vector<std::string> list{"earlier"};
    ListMatchingFiles(files, kIndex + "\\", "NMZ.*", list);
    EXPECT_EQ(list, (std::vector<std::string>{"earlier", kIndex + "\\NMZ.i"}));
}

TEST(PathUtilities, DeleteMatchingFilesAddsTheSeparatorAfterADoubleByteName) {
    FakeFileSystem files;
    files.Files[kIndex + "\\NMZ.i"] = "";
    files.Files[kIndex + "\\NMZ.t"] = "";
    files.Files[kIndex + "\\other.txt"] = "";
    DeleteMatchingFiles(files, kIndex, "NMZ.*");
    EXPECT_EQ(files.Files.size(), 1u);
    EXPECT_TRUE(files.FileExists(kIndex + "\\other.txt"));
}

TEST(PathUtilities, CopyDirectoryFilesSkipsOnlyTheLowerCaseFileList) {
    FakeFileSystem files;
    files.Files[kIndex + "\\NMZ.i"] = "new";
    files.Files[kIndex + "\\filelist.txt"] = "list";
    files.Files[kIndex + "\\FileList.txt"] = "other";
    files.Files["c:\\tmp\\NMZ.i"] = "old";
    CopyDirectoryFiles(files, kIndex, "c:\\tmp", CopyMode::Keep);
    EXPECT_EQ(files.Files["c:\\tmp\\NMZ.i"], "new");
    EXPECT_EQ(files.Files["c:\\tmp\\FileList.txt"], "other");
    EXPECT_FALSE(files.FileExists("c:\\tmp\\filelist.txt"));
    EXPECT_EQ(files.Files.size(), 5u);
}

TEST(PathUtilities, MovingKeepsTheSourceOfAFailedCopy) {
    AttributedFileSystem files;
    files.Files["c:\\tmp\\NMZ.i"] = "i";
    files.Files["c:\\tmp\\NMZ.t"] = "t";
    files.Files["c:\\tmp\\filelist.txt"] = "list";
    files.RefusedTargets.insert(kIndex + "\\NMZ.i");
    CopyDirectoryFiles(files, "c:\\tmp\\", kIndex + "\\", CopyMode::Move);
    EXPECT_EQ(files.Files[kIndex + "\\NMZ.t"], "t");
    EXPECT_FALSE(files.FileExists("c:\\tmp\\NMZ.t"));
    EXPECT_TRUE(files.FileExists("c:\\tmp\\NMZ.i"));
    EXPECT_TRUE(files.FileExists("c:\\tmp\\filelist.txt"));
    EXPECT_FALSE(files.FileExists(kIndex + "\\NMZ.i"));
}

} // namespace
