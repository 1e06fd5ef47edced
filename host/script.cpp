#include "script.h"

#include "folder_window.h"
#include "host_context.h"
#include "mail_delivery.h"
#include "menu_bar.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const wchar_t ScriptWindowClass[] = L"AlmailSubstituteScript";
const UINT WM_NEXT_ACTION = WM_APP + 1;
const UINT_PTR WaitTimer = 1;

struct ScriptState {
    HWND window = nullptr;
    size_t next = 0;
    bool stay = false;
};

ScriptState& Script() {
    static ScriptState state;
    return state;
}

void Log(const std::string& line) {
    Host().log.Write(line);
}

bool ParseNumber(const std::string& text, int& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || number < 0) {
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

// The argument after "name:", if the action has that name.
bool TakeArgument(const std::string& action, const std::string& name, std::string& argument) {
    std::string prefix = name + ":";
    if (action.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    argument = action.substr(prefix.size());
    return true;
}

void Deliver(HWND window, int count) {
    PluginEntryPoints& plugin = Host().plugin;
    for (const std::string& path : DeliverMails(Host().options.account, count)) {
        int result = plugin.RecFilter(path.c_str());
        Log("APCRecFilter(" + path + ") -> " + std::to_string(result));
    }
    Log("APCFolderEndRetrieve(" + Host().windows.Label(window) + ")");
    plugin.FolderEndRetrieve(window);
}

// The command id of a menu pick: "index" and "search" are the plug-in's
// first and second items, a number is a position in the plug-in pull-down.
bool FindMenuCommand(HWND window, const std::string& which, int& commandId) {
    std::vector<int> pluginCommands = Host().windows.PluginCommands(window);
    size_t ordinal = which == "index" ? 0 : which == "search" ? 1 : pluginCommands.size();
    if (ordinal < pluginCommands.size()) {
        commandId = pluginCommands[ordinal];
        return true;
    }
    int position = 0;
    if (!ParseNumber(which, position)) {
        return false;
    }
    HMENU pullDown = GetSubMenu(GetMenu(window), PluginMenuPosition);
    commandId = static_cast<int>(GetMenuItemID(pullDown, position));
    return commandId != -1;
}

// Runs one action on the current folder window; false with `error` set if
// it cannot. A wait is finished by its timer.
bool RunAction(const std::string& action, std::string& error) {
    HWND window = Host().windows.Current();
    std::string argument;
    if (action == "reopen") {
        if (!OpenFolderWindow()) {
            error = "cannot create a folder window";
            return false;
        }
        return true;
    }
    if (action == "stay") {
        Script().stay = true;
        return true;
    }
    if (TakeArgument(action, "wait", argument)) {
        int milliseconds = 0;
        if (!ParseNumber(argument, milliseconds)) {
            error = "bad action " + action;
            return false;
        }
        SetTimer(Script().window, WaitTimer, milliseconds, nullptr);
        return true;
    }
    if (!window) {
        error = "no folder window open for " + action;
        return false;
    }
    if (action == "close") {
        CloseFolderWindow(window);
    } else if (action == "setup") {
        ChooseMenuCommand(window, IDM_PLUGIN_SETUP);
    } else if (action == "version") {
        ChooseMenuCommand(window, IDM_PLUGIN_VERSION);
    } else if (TakeArgument(action, "deliver", argument)) {
        int count = 0;
        if (!ParseNumber(argument, count)) {
            error = "bad action " + action;
            return false;
        }
        Deliver(window, count);
    } else if (TakeArgument(action, "menu", argument)) {
        int commandId = 0;
        if (!FindMenuCommand(window, argument, commandId)) {
            error = "no menu item " + argument;
            return false;
        }
        ChooseMenuCommand(window, commandId);
    } else {
        error = "unknown action " + action;
        return false;
    }
    return true;
}

void FinishScript() {
    HostContext& host = Host();
    host.scriptFinished = true;
    if (!Script().stay) {
        for (HWND window : host.windows.All()) {
            CloseFolderWindow(window);
        }
    }
    QuitWhenIdle();
}

void OnNextAction() {
    ScriptState& script = Script();
    const std::vector<std::string>& actions = Host().options.actions;
    if (script.next >= actions.size()) {
        FinishScript();
        return;
    }
    const std::string& action = actions[script.next++];
    std::string error;
    if (!RunAction(action, error)) {
        Log("error: " + error);
        Host().exitCode = 1;
        FinishScript();
        return;
    }
    if (action.compare(0, 5, "wait:") != 0) {
        PostMessageW(script.window, WM_NEXT_ACTION, 0, 0);
    }
}

void OnWaitOver() {
    KillTimer(Script().window, WaitTimer);
    PostMessageW(Script().window, WM_NEXT_ACTION, 0, 0);
}

LRESULT CALLBACK ScriptWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NEXT_ACTION:
        OnNextAction();
        return 0;
    case WM_TIMER:
        OnWaitOver();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

void StartScript() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ScriptWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = ScriptWindowClass;
    RegisterClassW(&windowClass);
    Script().window = CreateWindowExW(0, ScriptWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    PostMessageW(Script().window, WM_NEXT_ACTION, 0, 0);
}
