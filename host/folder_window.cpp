#include "folder_window.h"

#include "host_context.h"
#include "menu_bar.h"

#include <string>
#include <vector>

namespace {

const wchar_t FolderWindowClass[] = L"AlmailSubstituteFolder";
const wchar_t FolderWindowTitle[] = L"AL-Mail32 (substitute)";
const int PluginMenuId = 101;

void Log(const std::string& line) {
    Host().log.Write(line);
}

std::string Label(HWND window) {
    return Host().windows.Label(window);
}

void RunPluginCommand(HWND window, int commandId) {
    HostContext& host = Host();
    auto found = host.callbacks.find(commandId);
    if (found == host.callbacks.end()) {
        return;
    }
    LONG result = found->second(window, 0);
    Log("command " + std::to_string(commandId) + "(" + Label(window) + ") -> " +
        std::to_string(result));
}

void ShowPluginSetup(HWND window) {
    Log("APCSetup(" + Label(window) + ")");
    Host().plugin.Setup(window);
}

void ShowPluginVersion(HWND window) {
    Log("APCVersionInfo(" + Label(window) + ")");
    Host().plugin.VersionInfo(window);
}

void OnCommand(HWND window, int commandId) {
    switch (commandId) {
    case IDM_CLOSE:
        CloseFolderWindow(window);
        break;
    case IDM_PLUGIN_SETUP:
        ShowPluginSetup(window);
        break;
    case IDM_PLUGIN_VERSION:
        ShowPluginVersion(window);
        break;
    default:
        RunPluginCommand(window, commandId);
        break;
    }
}

void OnClose(HWND window) {
    Log("APCFolderClose(" + Label(window) + ")");
    Host().plugin.FolderClose(window);
    DestroyWindow(window);
}

void OnDestroy(HWND window) {
    Host().windows.Remove(window);
    QuitWhenIdle();
}

LRESULT CALLBACK FolderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(window, LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        OnClose(window);
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void RegisterFolderWindowClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = FolderWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = FolderWindowClass;
    RegisterClassW(&windowClass);
    registered = true;
}

// Logs what the plug-in appended to the pull-down and returns the command
// ids of its string items.
std::vector<int> RecordAppendedItems(HWND window, HMENU pullDown, int firstNew) {
    std::vector<int> commandIds;
    int count = GetMenuItemCount(pullDown);
    for (int position = firstNew; position < count; ++position) {
        if (IsSeparator(pullDown, position)) {
            Log("menu " + Label(window) + ": separator");
            continue;
        }
        int commandId = static_cast<int>(GetMenuItemID(pullDown, position));
        Log("menu " + Label(window) + ": " + std::to_string(commandId) + " " +
            MenuItemCaption(pullDown, position));
        commandIds.push_back(commandId);
    }
    return commandIds;
}

void InitPluginMenu(HWND window) {
    HMENU bar = GetMenu(window);
    HMENU pullDown = GetSubMenu(bar, PluginMenuPosition);
    int countBefore = GetMenuItemCount(pullDown);
    Log("APCFolderInitMenu(0, menu " + Label(window) + ", " + std::to_string(PluginMenuId) + ")");
    Host().plugin.FolderInitMenu(0, bar, PluginMenuId);
    DrawMenuBar(window);
    Host().windows.SetPluginCommands(window, RecordAppendedItems(window, pullDown, countBefore));
}

} // namespace

HWND OpenFolderWindow() {
    RegisterFolderWindowClass();
    HWND window = CreateWindowExW(0, FolderWindowClass, FolderWindowTitle, WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr,
                                  CreateFolderMenuBar(), GetModuleHandleW(nullptr), nullptr);
    if (!window) {
        return nullptr;
    }
    Host().windows.Add(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    Log("APCFolderCreate(" + Label(window) + ")");
    Host().plugin.FolderCreate(window);
    InitPluginMenu(window);
    return window;
}

void CloseFolderWindow(HWND window) {
    SendMessageW(window, WM_CLOSE, 0, 0);
}

void ChooseMenuCommand(HWND window, int commandId) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}
