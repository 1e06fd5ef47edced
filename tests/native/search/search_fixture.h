#pragma once

#include "fakes/fake_file_system.h"
#include "fakes/fake_host.h"
#include "fakes/fake_user_interface.h"
#include "plugin/plugin_state.h"
#include "search/search_services.h"

#include <string>

// An account whose catalogue is, by position:
// 0 郵便受け, 1 送信箱, 2 仕事, 3 資料 (container), 4 会議 (in 資料),
// 5 古い (container in 資料), 6 議事録 (in 古い), 7 私用.
class SearchFixture {
public:
    static constexpr const char* kAccount = "c:\\al\\acc\\";
    static constexpr const char* kIni = "c:\\al\\acc\\tarnwick.ini";
    WindowHandle const HostWindow = reinterpret_cast<WindowHandle>(0x1234);
    WindowHandle const Owner = reinterpret_cast<WindowHandle>(0x5678);

    FakeFileSystem Files;
    FakeHostApi Host;
    FakeUserInterface Ui;
    PluginState State{Files, Host};
    SearchServices Services{
        State.Store, State.Catalogue, State.SearchFormula, State.SearchTargets, Host, Ui};

    SearchFixture() {
        Host.Accounts[HostWindow] = kAccount;
        const std::string account = kAccount;
        Files.Files[account + "account.ini"] = "[Property]\r\nOrder=IO001002003\r\n";
        Files.Directories = {account + "inbox.box", account + "outbox.box"};
        AddFolder(account + "user001.box\\", "仕事", "");
        AddFolder(account + "user002.box\\", "資料", "Type=Subfolder\r\nOrder=004005\r\n");
        AddFolder(account + "user002.box\\user004.box\\", "会議", "");
        AddFolder(account + "user002.box\\user005.box\\", "古い",
                  "Type=Subfolder\r\nOrder=006\r\n");
        AddFolder(account + "user002.box\\user005.box\\user006.box\\", "議事録", "");
        AddFolder(account + "user003.box\\", "私用", "");
    }

    void LoadCatalogue() { State.Catalogue.LoadFolderCatalogue(HostWindow); }
    void WriteSettings(const std::string& content) { Files.Files[kIni] = content; }
    std::string& SettingsFile() { return Files.Files[kIni]; }

private:
    void AddFolder(const std::string& dir, const std::string& title, const std::string& extra) {
        Files.Files[dir + "entry.ini"] = "[Property]\r\nTitle=" + title + "\r\n" + extra;
    }
};
