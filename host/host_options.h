#pragma once

#include <string>
#include <vector>

// What the command line asks of the host. Paths handed to the plug-in are
// Shift-JIS; directories end in a backslash.
struct HostOptions {
    std::string account;
    std::string mailbox;
    std::string folder;
    std::wstring plugin;
    std::wstring logFile;
    std::vector<std::string> actions;
};

// Parses `/account:DIR [/mailbox:DIR] [/folder:PATH] [/plugin:DLL] [/log:FILE]
// ACTION...`; false with `error` set when an option is unknown or the
// account is missing. Actions are checked when they run.
bool ParseHostOptions(const std::vector<std::wstring>& arguments, HostOptions& options,
                      std::string& error);
