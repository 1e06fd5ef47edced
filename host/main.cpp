// A stand-in for the mail client: loads the plug-in, opens a folder window
// and plays the command line's actions against it, logging every call.
#include "folder_window.h"
#include "host_context.h"
#include "script.h"
#include "text/win32/text_encoding.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

const char Usage[] =
    "usage: Almail.exe /account:DIR [/mailbox:DIR] [/folder:PATH] [/plugin:DLL] [/log:FILE] "
    "ACTION...\r\n"
    "actions: deliver:N menu:index menu:search menu:POSITION setup version close reopen "
    "wait:MS stay";

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result;
    for (int i = 1; i < count; ++i) {
        result.push_back(arguments[i]);
    }
    LocalFree(arguments);
    return result;
}

std::wstring PluginBesideProgram() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L'\\') + 1) + L"tarnwick.dll";
}

// False when the plug-in could not start; it is not called again then,
// since it has no host functions to work with.
bool StartPlugin() {
    HostContext& host = Host();
    host.log.Write(std::string("APCGetPlugName() -> ") + host.plugin.GetPlugName());
    int result = host.plugin.StartUp(0);
    host.log.Write("APCStartUp(0) -> " + std::to_string(result));
    return result != 0;
}

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int Fail(const std::string& error, int exitCode) {
    Host().log.Write("error: " + error);
    Host().log.Write("exit " + std::to_string(exitCode));
    return exitCode;
}

} // namespace

int main() {
    HostContext& host = Host();
    std::string error;
    if (!ParseHostOptions(CommandLineArguments(), host.options, error)) {
        host.log.Write(Usage);
        return Fail(error, 1);
    }
    if (!host.options.logFile.empty() && !host.log.OpenFile(host.options.logFile)) {
        return Fail("cannot create " + ShiftJisFromWide(host.options.logFile), 1);
    }
    if (host.options.plugin.empty()) {
        host.options.plugin = PluginBesideProgram();
    }
    if (!LoadPlugin(host.options.plugin, host.plugin, error)) {
        return Fail(error, 2);
    }
    if (!StartPlugin()) {
        return Fail("plug-in did not start", 3);
    }
    if (!OpenFolderWindow()) {
        return Fail("cannot create a folder window", 1);
    }
    StartScript();
    int exitCode = RunMessageLoop();
    host.log.Write("exit " + std::to_string(exitCode));
    return exitCode;
}
