#pragma once

// A host that knows one account directory, for loading a folder catalogue
// without the mail client: the catalogue asks the host nothing else.
#include "platform/host_api.h"

#include <string>
#include <utility>

class AccountOnlyHost : public HostApi {
public:
    explicit AccountOnlyHost(std::string account) : account_(std::move(account)) {}
    bool Bind() override { return true; }
    std::string GetAccount(WindowHandle) override { return account_; }
    std::string GetMailbox() override { return account_; }
    std::string FolderGetCurrentFolder(WindowHandle) override { return ""; }
    void FolderOpenMail(WindowHandle, const std::string&) override {}
    std::string JisToSjis(const std::string& jisText) override { return jisText; }
    int RegistCallback(MenuCommand) override { return 0; }

private:
    std::string account_;
};
