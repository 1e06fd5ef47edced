#pragma once

#include "platform/host_api.h"

#include <windows.h>

// The callbacks exported by the running Almail.exe, bound by their decorated
// names. Until bound, every call answers empty.
class Win32HostApi : public HostApi {
public:
    using MenuCallback = LONG(WINAPI*)(HWND, LONG);

    Win32HostApi(MenuCallback indexing, MenuCallback search);

    bool Bind() override;
    std::string GetAccount(WindowHandle window) override;
    std::string GetMailbox() override;
    std::string FolderGetCurrentFolder(WindowHandle window) override;
    void FolderOpenMail(WindowHandle window, const std::string& mailPath) override;
    std::string JisToSjis(const std::string& jisText) override;
    int RegistCallback(MenuCommand command) override;

private:
    using RegistCallbackFunction = int(WINAPI*)(MenuCallback, int);
    using PathOfWindowFunction = const char*(WINAPI*)(HWND);
    using GetMailboxFunction = const char*(WINAPI*)();
    using FolderOpenMailFunction = int(WINAPI*)(HWND, const char*, int);
    using JisToSjisFunction = int(WINAPI*)(char*, const char*, int);

    MenuCallback indexing_;
    MenuCallback search_;
    HMODULE module_ = nullptr;
    RegistCallbackFunction registCallback_ = nullptr;
    PathOfWindowFunction getAccount_ = nullptr;
    GetMailboxFunction getMailbox_ = nullptr;
    PathOfWindowFunction folderGetCurrentFolder_ = nullptr;
    FolderOpenMailFunction folderOpenMail_ = nullptr;
    JisToSjisFunction jisToSjis_ = nullptr;
};
