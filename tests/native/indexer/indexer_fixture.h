#pragma once

#include "fakes/fake_console_runner.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_user_interface.h"
#include "indexer/index_dialog_fakes.h"
#include "indexer/index_services.h"
#include "plugin/plugin_state.h"

#include <gtest/gtest.h>

// An account c:\al\acc\ whose catalogue is, by position:
// 0 郵便受け, 1 仕事, 2 趣味 (container), 3 旅行 (inside 趣味), 4 予定表.
class IndexerTest : public ::testing::Test {
protected:
    static constexpr const char* kAccount = "c:\\al\\acc\\";
    WindowHandle const kHost = reinterpret_cast<WindowHandle>(0x4711);

    FakeFileSystem files;
    FakeHostApi host;
    PluginState state{files, host};
    FakeConsoleRunner runner;
    CountingPump pump;
    FixedClock clock;
    FakeSystemInfo system;
    FakeUserInterface ui;
    FakeIndexDialogView view;
    IndexServices services{state.Store, state.Catalogue, state.IndexingRunning,
                           host,        files,           runner,
                           pump,        clock,           system,
                           ui};

    IndexerTest() {
        host.Accounts[kHost] = kAccount;
        files.Files[Account("account.ini")] = "[Property]\r\nOrder=I001002004\r\n";
        files.Directories.insert(Account("inbox.box"));
        AddFolder("user001.box\\", "仕事", "");
        AddFolder("user002.box\\", "趣味", "Type=Subfolder\r\nOrder=003\r\n");
        AddFolder("user002.box\\user003.box\\", "旅行", "");
        AddFolder("user004.box\\", "予定表", "");
        TSettings& settings = state.Store.Settings;
        settings.PerlPath = "c:\\Perl\\bin\\perl.exe";
        settings.mknmzPath = "c:\\usr\\local\\namazu\\bin\\mknmz";
        settings.mknmzOption = "--mailnews";
        settings.NamazuVersion = "2.0";
        settings.ShowWindow = "0";
        settings.InDosPromptWindow = "0";
        settings.Minimize = "0";
        settings.UseTempDirectory = "0";
        settings.NowCountMail = "17";
        settings.LastDate = "???";
        state.Catalogue.LoadFolderCatalogue(kHost);
    }

    static std::string Account(const std::string& name) { return kAccount + name; }
    static std::string IndexDir(const std::string& sub) { return Account("Namazu\\" + sub); }

    void AddFolder(const std::string& dir, const std::string& title, const std::string& extra) {
        files.Files[Account(dir + "entry.ini")] = "[Property]\r\nTitle=" + title + "\r\n" + extra;
    }
};
