// The entry points the host calls, by their undecorated names (exports.def).
#include "plugin/win32/plugin_instance.h"

#include <windows.h>

#include <exception>

namespace {

// No C++ exception may cross into the host.
template <typename Work> auto Shielded(Work work, decltype(work()) onFailure) {
    try {
        return work();
    } catch (const std::exception& error) {
        TheUserInterface().ShowMessage(error.what());
    }
    return onFailure;
}

template <typename Work> void Shielded(Work work) {
    try {
        work();
    } catch (const std::exception& error) {
        TheUserInterface().ShowMessage(error.what());
    }
}

} // namespace

extern "C" {

const char* WINAPI APCGetPlugName() {
    return kPluginName;
}

int WINAPI APCStartUp(int) {
    return Shielded([] { return ThePlugin().StartUp(); }, 0);
}

void WINAPI APCVersionInfo(HWND window) {
    Shielded([window] { ThePlugin().VersionInfo(window); });
}

void WINAPI APCSetup(HWND window) {
    Shielded([window] { ThePlugin().Setup(window); });
}

void WINAPI APCFolderCreate(HWND window) {
    Shielded([window] { ThePlugin().FolderCreate(window); });
}

void WINAPI APCFolderInitMenu(int, HMENU menu, int id) {
    Shielded([menu, id] { ThePlugin().FolderInitMenu(menu, id); });
}

int WINAPI APCRecFilter(const char* mailPath) {
    return Shielded([mailPath] { return ThePlugin().RecFilter(mailPath ? mailPath : ""); }, 0);
}

void WINAPI APCFolderEndRetrieve(HWND window) {
    Shielded([window] { ThePlugin().FolderEndRetrieve(window); });
}

void WINAPI APCFolderClose(HWND window) {
    Shielded([window] { ThePlugin().FolderClose(window); });
}

} // extern "C"
