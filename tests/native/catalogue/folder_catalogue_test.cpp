#include "catalogue/folder_catalogue.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"

#include <gtest/gtest.h>

namespace {

WindowHandle const kWindow = reinterpret_cast<WindowHandle>(0x1234);

class FolderCatalogueTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeHostApi host;
    TSettings settings;
    FolderCatalogue catalogue{files, host, settings};

    void SetAccount(const std::string& account, const std::string& order) {
        host.Accounts[kWindow] = account;
        files.Files[account + "account.ini"] = "[Property]\r\nOrder=" + order + "\r\n";
    }
    // A folder directory with its entry.ini; dir is the folder's path with '\'.
    void AddFolder(const std::string& dir, const std::string& title,
                   const std::string& extra = "") {
        files.Files[dir + "entry.ini"] = "[Property]\r\nTitle=" + title + "\r\n" + extra;
    }
    void AddContainer(const std::string& dir, const std::string& title,
                      const std::string& orderLine) {
        AddFolder(dir, title, "Type=Subfolder\r\n" + orderLine);
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (int i = 0; i < catalogue.Count(); ++i)
            titles.push_back(catalogue.At(i).Title);
        return titles;
    }
};

TEST_F(FolderCatalogueTest, OrderListsInboxOutboxAndNumberedFolders) {
    SetAccount("C:\\AL\\acc\\", "IO001T");
    files.Directories = {"C:\\AL\\acc\\inbox.box", "C:\\AL\\acc\\outbox.box"};
    AddFolder("C:\\AL\\acc\\user001.box\\", "仕事");
    catalogue.LoadFolderCatalogue(kWindow);

    ASSERT_EQ(Titles(), (std::vector<std::string>{"郵便受け", "送信箱", "仕事"}));
    const char* const paths[] = {"c:\\al\\acc\\inbox.box\\", "c:\\al\\acc\\outbox.box\\",
                                 "c:\\al\\acc\\user001.box\\"};
    const char* const indexDirs[] = {"C:\\AL\\acc\\Namazu\\inbox\\",
                                     "C:\\AL\\acc\\Namazu\\outbox\\",
                                     "C:\\AL\\acc\\Namazu\\b001\\"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(catalogue.At(i).Kind, kMailFolder);
        EXPECT_EQ(catalogue.At(i).Level, 0);
        EXPECT_EQ(catalogue.At(i).Path, paths[i]);
        EXPECT_EQ(catalogue.At(i).IndexDir, indexDirs[i]);
    }
}

TEST_F(FolderCatalogueTest, EmptyOrderListsInEnumerationOrderAndKnowsInboxInAnyCase) {
    SetAccount("C:\\AL\\acc\\", "");
    // The fake enumerates by byte order: upper case first.
    files.Directories = {"C:\\AL\\acc\\OUTBOX.BOX", "C:\\AL\\acc\\inbox.box"};
    AddFolder("C:\\AL\\acc\\user001.box\\", "仕事");
    catalogue.LoadFolderCatalogue(kWindow);

    EXPECT_EQ(Titles(), (std::vector<std::string>{"送信箱", "郵便受け", "仕事"}));
    EXPECT_EQ(catalogue.At(0).Path, "c:\\al\\acc\\outbox.box\\");
}

TEST_F(FolderCatalogueTest, ContainerIsFollowedByItsContentsWhenItsOrderAllows) {
    struct Case {
        std::string containerOrder;
        size_t expectedCount;
    };
    const Case cases[] = {{"Order=004\r\n", 2}, {"", 2}, {"Order=\r\n", 2}, {"Order=T\r\n", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.containerOrder);
        files.Files.clear();
        SetAccount("c:\\al\\acc\\", "003");
        AddContainer("c:\\al\\acc\\user003.box\\", "箱", c.containerOrder);
        AddFolder("c:\\al\\acc\\user003.box\\user004.box\\", "中身");
        catalogue.LoadFolderCatalogue(kWindow);

        ASSERT_EQ(static_cast<size_t>(catalogue.Count()), c.expectedCount);
        EXPECT_EQ(catalogue.At(0).Kind, kContainerFolder);
        EXPECT_EQ(catalogue.At(0).Level, 0);
        if (c.expectedCount == 2) {
            EXPECT_EQ(catalogue.At(1).Title, "中身");
            EXPECT_EQ(catalogue.At(1).Kind, kMailFolder);
            EXPECT_EQ(catalogue.At(1).Level, 1);
            EXPECT_EQ(catalogue.At(1).Path, "c:\\al\\acc\\user003.box\\user004.box\\");
            EXPECT_EQ(catalogue.At(1).IndexDir, "c:\\al\\acc\\Namazu\\b003\\b004\\");
        }
    }
}

TEST_F(FolderCatalogueTest, LeavesOutWhatOrderOrEntryFilesDoNotVouchFor) {
    SetAccount("c:\\al\\acc\\", "001002006007008");
    AddFolder("c:\\al\\acc\\user001.box\\", "残る");
    files.Directories.insert("c:\\al\\acc\\user002.box"); // no entry.ini
    AddFolder("c:\\al\\acc\\user005.box\\", "順序にない");
    AddFolder("c:\\al\\acc\\user006.box\\", "");
    files.Files["c:\\al\\acc\\user008.box\\entry.ini"] = std::string("\xff\xfe\0\x81garbage", 11);
    // A container without entry.ini hides its contents too.
    files.Directories.insert("c:\\al\\acc\\user009.box");
    AddFolder("c:\\al\\acc\\user009.box\\user001.box\\", "中身");
    catalogue.LoadFolderCatalogue(kWindow);

    EXPECT_EQ(Titles(), std::vector<std::string>{"残る"});
}

TEST_F(FolderCatalogueTest, FolderNamedTwiceIsListedOnceWhereFirstNamed) {
    SetAccount("c:\\acc\\", "003I003");
    files.Directories.insert("c:\\acc\\inbox.box");
    AddContainer("c:\\acc\\user003.box\\", "箱", "");
    AddFolder("c:\\acc\\user003.box\\user001.box\\", "中身");
    catalogue.LoadFolderCatalogue(kWindow);

    EXPECT_EQ(Titles(), (std::vector<std::string>{"箱", "中身", "郵便受け"}));
}

TEST_F(FolderCatalogueTest, NestedRepeatedOrdersListEachFolderOnce) {
    std::string order;
    for (int i = 0; i < 30; ++i)
        order += "001";
    SetAccount("c:\\acc\\", order);
    std::string dir = "c:\\acc\\";
    for (int level = 0; level < 4; ++level) {
        dir += "user001.box\\";
        AddContainer(dir, "L" + std::to_string(level), "Order=" + order + "\r\n");
    }
    catalogue.LoadFolderCatalogue(kWindow);

    ASSERT_EQ(Titles(), (std::vector<std::string>{"L0", "L1", "L2", "L3"}));
    EXPECT_EQ(catalogue.At(3).Level, 3);
}

TEST_F(FolderCatalogueTest, ReloadWithoutAccountFileEmptiesTheCatalogue) {
    SetAccount("c:\\acc\\", "I");
    files.Directories.insert("c:\\acc\\inbox.box");
    catalogue.LoadFolderCatalogue(kWindow);
    ASSERT_EQ(catalogue.Count(), 1);

    files.Files.erase("c:\\acc\\account.ini");
    catalogue.LoadFolderCatalogue(kWindow);
    EXPECT_EQ(catalogue.Count(), 0);
}

TEST_F(FolderCatalogueTest, DoubleByteNamesComeThroughWhole) {
    // 表 ends in the byte of '\', ア in that of "A", ブ in that of "u".
    SetAccount("C:\\AL表\\", "");
    AddFolder("C:\\AL表\\ブser.box\\", "アイ表");
    AddFolder("C:\\AL表\\Xア.box\\", "ソ");
    catalogue.LoadFolderCatalogue(kWindow);

    ASSERT_EQ(Titles(), (std::vector<std::string>{"ソ", "アイ表"}));
    EXPECT_EQ(catalogue.At(0).Path, "c:\\al表\\xア.box\\");
    EXPECT_EQ(catalogue.At(0).IndexDir, "C:\\AL表\\Namazu\\xア\\");
    EXPECT_EQ(catalogue.At(1).Path, "c:\\al表\\ブser.box\\");
    EXPECT_EQ(catalogue.At(1).IndexDir, "C:\\AL表\\Namazu\\ブser\\");
}

TEST_F(FolderCatalogueTest, IndexBaseSettingReplacesTheAccountDirectory) {
    settings.IndexDir = "D:\\idx\\";
    SetAccount("C:\\AL\\acc\\", "001");
    AddFolder("C:\\AL\\acc\\user001.box\\", "仕事");
    catalogue.LoadFolderCatalogue(kWindow);

    ASSERT_EQ(catalogue.Count(), 1);
    EXPECT_EQ(catalogue.At(0).IndexDir, "D:\\idx\\Namazu\\b001\\");
}

TEST_F(FolderCatalogueTest, LookUpsByIndexDirAndAccountRelativePath) {
    SetAccount("C:\\AL\\acc\\", "I001");
    files.Directories.insert("C:\\AL\\acc\\inbox.box");
    AddFolder("C:\\AL\\acc\\user001.box\\", "仕事");
    catalogue.LoadFolderCatalogue(kWindow);

    EXPECT_EQ(catalogue.FindFolderByIndexDir("C:\\AL\\ACC\\NAMAZU\\B001\\"), 1);
    EXPECT_EQ(catalogue.FindFolderByIndexDir("C:\\AL\\acc\\Namazu\\b002\\"), -1);
    EXPECT_EQ(catalogue.AccountRelativePath("c:\\al\\acc\\user001.box\\"), "user001.box\\");

    // The host is asked again, and characters are counted, not bytes.
    host.Accounts[kWindow] = "abcd";
    EXPECT_EQ(catalogue.AccountRelativePath("表表表表x"), "x");

    // A lone lead byte closing the account directory keeps to itself.
    host.Accounts[kWindow] = "C:\\AL\\x\x81";
    EXPECT_EQ(catalogue.AccountRelativePath("c:\\al\\x\x81inbox.box\\"), "inbox.box\\");
}

TEST(FindAliasByName, MatchesExactlyAndTakesTheFirst) {
    std::vector<TAliasInfo> aliases(3);
    aliases[0].Name = "Work";
    aliases[1].Name = "私用";
    aliases[2].Name = "私用";
    EXPECT_EQ(FindAliasByName(aliases, "work"), -1);
    EXPECT_EQ(FindAliasByName(aliases, "Work"), 0);
    EXPECT_EQ(FindAliasByName(aliases, "私用"), 1);
}

TEST(FolderNamesInOrder, ReadsStrictThreeDigitNumbersAndSingleLetters) {
    struct Case {
        std::string order;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"IO001T", {"inbox.box", "outbox.box", "user001.box"}},
        {"1234", {"user123.box", "user004.box"}},
        {"I12", {"inbox.box", "user012.box"}},
        {"00a", {}},
        {"+12I", {"inbox.box"}},
        {"-01", {"user001.box"}},
        {" 12 ", {}},
        {"iot", {}},
        {"０１２", {}},
        {"表007", {"user007.box"}},
        {std::string("\0"
                     "12\xff",
                     4),
         {}},
        {"\x83", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        EXPECT_EQ(FolderNamesInOrder(c.order), c.names);
    }
}

TEST_F(FolderCatalogueTest, SixtyFourNestedContainers) {
    SetAccount("c:\\a\\", "001");
    std::string dir = "c:\\a\\";
    for (int level = 0; level < 64; ++level) {
        dir += "user001.box\\";
        AddContainer(dir, "L" + std::to_string(level), "Order=001\r\n");
    }
    catalogue.LoadFolderCatalogue(kWindow);

    ASSERT_EQ(catalogue.Count(), 64);
    EXPECT_EQ(catalogue.At(63).Level, 63);
    EXPECT_EQ(catalogue.At(63).Path, dir);
    std::string indexSubPath;
    for (int level = 0; level < 64; ++level)
        indexSubPath += "\\b001";
    EXPECT_EQ(catalogue.At(63).IndexDir, "c:\\a\\Namazu" + indexSubPath + "\\");
}

TEST_F(FolderCatalogueTest, TwoThousandFoldersInTwentyContainers) {
    std::string accountOrder;
    for (int container = 1; container <= 20; ++container) {
        char name[8];
        std::snprintf(name, sizeof name, "%03d", container);
        accountOrder += name;
        const std::string containerDir = "c:\\a\\user" + std::string(name) + ".box\\";
        std::string order;
        for (int folder = 1; folder <= 99; ++folder) {
            char inner[8];
            std::snprintf(inner, sizeof inner, "%03d", folder);
            order += inner;
            AddFolder(containerDir + "user" + inner + ".box\\", std::string("F") + inner);
        }
        AddContainer(containerDir, std::string("C") + name, "Order=" + order + "\r\n");
    }
    SetAccount("c:\\a\\", accountOrder);
    catalogue.LoadFolderCatalogue(kWindow);

    ASSERT_EQ(catalogue.Count(), 2000);
    EXPECT_EQ(catalogue.At(100).Title, "C002");
    EXPECT_EQ(catalogue.At(1999).IndexDir, "c:\\a\\Namazu\\b020\\b099\\");
}

} // namespace
