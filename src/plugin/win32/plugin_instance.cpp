#include "plugin/win32/plugin_instance.h"

#include "catalogue/console_command_runner.h"
#include "catalogue/win32/win32_process_launcher.h"
#include "platform/failure_shield.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_pump.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_user_interface.h"
#include "plugin/win32/win32_host_api.h"
#include "plugin/win32/win32_host_menu.h"
#include "plugin/win32/win32_plugin_windows.h"
#include "settings/win32/browse.h"

namespace {

LONG WINAPI IndexingMenuCallback(HWND window, LONG) {
    return Shielded(
        TheUserInterface(), [window] { return ThePlugin().IndexingMenuProc(window); }, 0);
}

LONG WINAPI SearchMenuCallback(HWND window, LONG) {
    return Shielded(
        TheUserInterface(), [window] { return ThePlugin().SearchMenuProc(window); }, 0);
}

struct PluginInstance {
    Win32FileSystem Files;
    Win32UserInterface Ui;
    Win32HostApi Host{IndexingMenuCallback, SearchMenuCallback};
    Win32HostMenu Menu;
    Win32ProcessLauncher Launcher;
    Win32MessagePump Pump;
    ConsoleCommandRunner Runner{Launcher, Pump, Ui};
    Win32Clock Clock;
    Win32SystemInfo System;
    Win32PluginWindows Windows;
    PluginState State{Files, Host};
    PluginCore Core{State, Host, Menu, Ui, Windows};
    SearchServices Search{
        State.Store, State.Catalogue, State.SearchFormula, State.SearchTargets, Host, Ui};
    IndexServices Indexer{State.Store, State.Catalogue, State.IndexingRunning,
                          Host,        Files,           Runner,
                          Pump,        Clock,           System,
                          Ui};
    Win32Shell Shell;
    ResultServices Result{Search, Host, Files, Runner, Pump, Ui, Shell};
};

PluginInstance& Instance() {
    static PluginInstance instance;
    return instance;
}

} // namespace

PluginCore& ThePlugin() {
    return Instance().Core;
}

UserInterface& TheUserInterface() {
    return Instance().Ui;
}

PluginState& ThePluginState() {
    return Instance().State;
}

HostApi& TheHostApi() {
    return Instance().Host;
}

ConsoleRunner& TheConsoleRunner() {
    return Instance().Runner;
}

IndexServices& TheIndexServices() {
    return Instance().Indexer;
}

SearchServices& TheSearchServices() {
    return Instance().Search;
}

ResultServices& TheResultServices() {
    return Instance().Result;
}
