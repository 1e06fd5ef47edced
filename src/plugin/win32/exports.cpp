// The entry points the host calls, by their undecorated names (exports.def).
#include "platform/failure_shield.h"
#include "plugin/win32/plugin_instance.h"

#include <windows.h>

extern "C" {

const char* WINAPI APCGetPlugName() {
    return kPluginName;
}

int WINAPI APCStartUp(int) {
    return Shielded(
        TheUserInterface(), [] { return ThePlugin().StartUp(); }, 0);
}

void WINAPI APCVersionInfo(HWND window) {
    Shielded(TheUserInterface(), [window] { ThePlugin().VersionInfo(window); });
}

void WINAPI APCSetup(HWND window) {
    Shielded(TheUserInterface(), [window] { ThePlugin().Setup(window); });
}

void WINAPI APCFolderCreate(HWND window) {
    Shielded(TheUserInterface(), [window] { ThePlugin().FolderCreate(window); });
}

void WINAPI APCFolderInitMenu(int, HMENU menu, int id) {
    Shielded(TheUserInterface(), [menu, id] { ThePlugin().FolderInitMenu(menu, id); });
}

int WINAPI APCRecFilter(const char* mailPath) {
    return Shielded(
        TheUserInterface(), [mailPath] { return ThePlugin().RecFilter(mailPath ? mailPath : ""); },
        0);
}

void WINAPI APCFolderEndRetrieve(HWND window) {
    Shielded(TheUserInterface(), [window] { ThePlugin().FolderEndRetrieve(window); });
}

void WINAPI APCFolderClose(HWND window) {
    Shielded(TheUserInterface(), [window] { ThePlugin().FolderClose(window); });
}

} // extern "C"
