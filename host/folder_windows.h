#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The open folder windows, numbered in the order they opened (#1, #2, ...)
// so that the log reads the same on every run.
class FolderWindows {
public:
    // Registers a new window and returns its number.
    int Add(HWND window);
    void Remove(HWND window);
    // "#n" for a folder window, "#?" for any other handle.
    std::string Label(HWND window) const;
    // The most recently opened window still open, or null.
    HWND Current() const;
    std::vector<HWND> All() const;
    bool Empty() const { return windows_.empty(); }

    // The command ids of the items the plug-in appended to the window's menu.
    void SetPluginCommands(HWND window, const std::vector<int>& commandIds);
    std::vector<int> PluginCommands(HWND window) const;

private:
    struct Entry {
        HWND window;
        int number;
        std::vector<int> pluginCommands;
    };
    const Entry* Find(HWND window) const;

    std::vector<Entry> windows_;
    int lastNumber_ = 0;
};
