#pragma once

#include <windows.h>

#include <string>

// The plug-in's nine entry points, resolved by their undecorated names.
struct PluginEntryPoints {
    const char*(WINAPI* GetPlugName)() = nullptr;
    int(WINAPI* StartUp)(int) = nullptr;
    void(WINAPI* VersionInfo)(HWND) = nullptr;
    void(WINAPI* Setup)(HWND) = nullptr;
    void(WINAPI* FolderCreate)(HWND) = nullptr;
    void(WINAPI* FolderInitMenu)(int, HMENU, int) = nullptr;
    int(WINAPI* RecFilter)(const char*) = nullptr;
    void(WINAPI* FolderEndRetrieve)(HWND) = nullptr;
    void(WINAPI* FolderClose)(HWND) = nullptr;
};

// Loads the plug-in library; false with `error` set when the library or one
// of its entry points is missing. The library stays loaded for the process.
bool LoadPlugin(const std::wstring& path, PluginEntryPoints& entryPoints, std::string& error);
