#include "account_only_host.h"
#include "catalogue/folder_catalogue.h"
#include "catalogue/path_utilities.h"
#include "platform/win32/win32_file_system.h"
#include "text/shift_jis.h"
#include "text/win32/text_encoding.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

void RemoveTree(const std::wstring& dir) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((dir + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = dir + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + L"\\");
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(dir.c_str());
}

// A directory tree under the temporary directory, removed afterwards.
class TemporaryTree {
public:
    explicit TemporaryTree(const std::string& name) {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        Root = ShiftJisFromWide(base) + name + "\\";
        RemoveTree(WideFromShiftJis(Root));
        MakeDirectory("");
    }
    ~TemporaryTree() { RemoveTree(WideFromShiftJis(Root)); }

    void MakeDirectory(const std::string& relative) {
        ASSERT_TRUE(CreateDirectoryW(WideFromShiftJis(Root + relative).c_str(), nullptr));
    }
    void WriteFile(const std::string& relative, const std::string& content) {
        ASSERT_TRUE(files.ReplaceContent(Root + relative, content));
    }
    void MakeFolder(const std::string& relative, const std::string& entry) {
        MakeDirectory(relative);
        WriteFile(relative + "\\entry.ini", "[Property]\r\n" + entry);
    }

    Win32FileSystem files;
    std::string Root;
};

TEST(FolderCatalogue, ReadsARealTreeWithDoubleByteNames) {
    // 表 and ソ end in the byte of a backslash.
    TemporaryTree tree("カタログ表");
    tree.WriteFile("account.ini", "[Property]\r\nOrder=IO001005T\r\n");
    tree.MakeDirectory("Inbox.box");
    tree.MakeDirectory("outbox.box");
    tree.MakeFolder("user001.box", "Title=予定表\r\nType=Subfolder\r\n");
    tree.MakeFolder("user001.box\\ソフト.box", "Title=ソース表\r\n");
    tree.WriteFile("user001.box\\note.box", "a plain file without entry.ini");
    tree.MakeFolder("user002.box", "Title=順序にない\r\n");
    tree.MakeFolder("user005.box", "Title=隠し\r\n");
    SetFileAttributesW(WideFromShiftJis(tree.Root + "user005.box").c_str(), FILE_ATTRIBUTE_HIDDEN);

    AccountOnlyHost host(tree.Root);
    TSettings settings;
    FolderCatalogue catalogue(tree.files, host, settings);
    catalogue.LoadFolderCatalogue(nullptr);

    ASSERT_EQ(catalogue.Count(), 4);
    const char* const titles[] = {"郵便受け", "送信箱", "予定表", "ソース表"};
    const int kinds[] = {kMailFolder, kMailFolder, kContainerFolder, kMailFolder};
    const int levels[] = {0, 0, 0, 1};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(catalogue.At(i).Title, titles[i]);
        EXPECT_EQ(catalogue.At(i).Kind, kinds[i]);
        EXPECT_EQ(catalogue.At(i).Level, levels[i]);
    }
    const TFolderInfo& nested = catalogue.At(3);
    EXPECT_EQ(nested.Path, AsciiLowerCase(tree.Root) + "user001.box\\ソフト.box\\");
    EXPECT_EQ(nested.IndexDir, tree.Root + "Namazu\\b001\\ソフト\\");
    EXPECT_EQ(catalogue.At(0).IndexDir, tree.Root + "Namazu\\inbox\\");
    EXPECT_EQ(catalogue.FindFolderByIndexDir(AsciiUpperCase(nested.IndexDir)), 3);
    EXPECT_EQ(catalogue.AccountRelativePath(nested.Path), "user001.box\\ソフト.box\\");
}

TEST(FolderCatalogue, ReadsContainersSixtyFourLevelsDeep) {
    TemporaryTree tree("深い表");
    tree.WriteFile("account.ini", "[Property]\r\nOrder=001\r\n");
    std::string relative;
    for (int level = 0; level < 64; ++level) {
        relative += (level == 0 ? "" : "\\") + std::string("user001.box");
        tree.MakeFolder(relative,
                        "Title=L" + std::to_string(level) + "\r\nType=Subfolder\r\nOrder=001\r\n");
    }

    AccountOnlyHost host(tree.Root);
    TSettings settings;
    FolderCatalogue catalogue(tree.files, host, settings);
    catalogue.LoadFolderCatalogue(nullptr);

    ASSERT_EQ(catalogue.Count(), 64);
    EXPECT_EQ(catalogue.At(63).Title, "L63");
    EXPECT_EQ(catalogue.At(63).Level, 63);
    EXPECT_EQ(catalogue.At(63).Path, AsciiLowerCase(tree.Root + relative) + "\\");
}

TEST(PathUtilities, MovesIndexFilesBetweenRealDirectories) {
    TemporaryTree tree("索引表");
    tree.MakeDirectory("ソ");
    tree.MakeDirectory("tmp");
    tree.MakeDirectory("tmp\\NMZ.dir");
    tree.WriteFile("tmp\\NMZ.i", "i");
    tree.WriteFile("tmp\\filelist.txt", "list");
    tree.WriteFile("ソ\\NMZ.old", "old");

    DeleteMatchingFiles(tree.files, tree.Root + "ソ", "NMZ.*");
    CopyDirectoryFiles(tree.files, tree.Root + "tmp", tree.Root + "ソ", CopyMode::Move);

    EXPECT_EQ(tree.files.ReadFile(tree.Root + "ソ\\NMZ.i").value_or(""), "i");
    EXPECT_FALSE(tree.files.FileExists(tree.Root + "ソ\\NMZ.old"));
    EXPECT_FALSE(tree.files.FileExists(tree.Root + "ソ\\filelist.txt"));
    EXPECT_FALSE(tree.files.FileExists(tree.Root + "tmp\\NMZ.i"));
    EXPECT_TRUE(tree.files.FileExists(tree.Root + "tmp\\filelist.txt"));
}

} // namespace
