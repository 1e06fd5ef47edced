#pragma once

#include "platform/handles.h"

#include <string>

// The two commands the plug-in adds to the host's menu.
enum class MenuCommand { Indexing, Search };

// The callbacks that the host exports and the plug-in calls.
class HostApi {
public:
    virtual ~HostApi() = default;

    // Binds the host's functions; true when all of them were found.
    virtual bool Bind() = 0;
    // The window's account directory, ending in a backslash.
    virtual std::string GetAccount(WindowHandle window) = 0;
    virtual std::string GetMailbox() = 0;
    virtual std::string FolderGetCurrentFolder(WindowHandle window) = 0;
    // Asks the host to open a mail, given relative to the mailbox root
    // without its extension.
    virtual void FolderOpenMail(WindowHandle window, const std::string& mailPath) = 0;
    virtual std::string JisToSjis(const std::string& jisText) = 0;
    // Registers one of the plug-in's menu commands; returns its command id.
    virtual int RegistCallback(MenuCommand command) = 0;
};
