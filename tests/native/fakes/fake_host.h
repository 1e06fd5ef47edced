#pragma once

#include "platform/host_api.h"
#include "platform/host_menu.h"

#include <map>
#include <string>
#include <vector>

// The host's callbacks: accounts per window, registered commands in order.
class FakeHostApi : public HostApi {
public:
    bool BindSucceeds = true;
    std::map<WindowHandle, std::string> Accounts;
    std::string Mailbox;
    std::string CurrentFolder;
    std::vector<std::string> OpenedMails;
    std::vector<MenuCommand> Registered;

    bool Bind() override { return BindSucceeds; }
    std::string GetAccount(WindowHandle window) override { return Accounts[window]; }
    std::string GetMailbox() override { return Mailbox; }
    std::string FolderGetCurrentFolder(WindowHandle) override { return CurrentFolder; }
    void FolderOpenMail(WindowHandle, const std::string& mailPath) override {
        OpenedMails.push_back(mailPath);
    }
    std::string JisToSjis(const std::string& jisText) override { return jisText; }
    int RegistCallback(MenuCommand command) override {
        Registered.push_back(command);
        return 40000 + static_cast<int>(Registered.size());
    }
};

// A menu bar of pull-downs, each a list of item captions ("-" for a separator).
class FakeHostMenu : public HostMenu {
public:
    explicit FakeHostMenu(int pullDowns = 5) : PullDowns(static_cast<size_t>(pullDowns)) {}

    std::vector<std::vector<std::string>> PullDowns;
    std::map<int, std::string> ItemsById;
    std::vector<WindowHandle> Raised;

    MenuHandle Bar() { return &PullDowns; }
    MenuHandle SubMenu(MenuHandle menu, int position) override {
        if (menu != Bar() || position < 0 || static_cast<size_t>(position) >= PullDowns.size())
            return nullptr;
        return &PullDowns[static_cast<size_t>(position)];
    }
    void AppendSeparator(MenuHandle menu) override { Items(menu).push_back("-"); }
    void AppendItem(MenuHandle menu, int commandId, const std::string& caption) override {
        Items(menu).push_back(caption);
        ItemsById[commandId] = caption;
    }
    void BringToTop(WindowHandle window) override { Raised.push_back(window); }

private:
    static std::vector<std::string>& Items(MenuHandle menu) {
        return *static_cast<std::vector<std::string>*>(menu);
    }
};
