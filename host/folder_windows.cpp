#include "folder_windows.h"

#include <algorithm>

int FolderWindows::Add(HWND window) {
    windows_.push_back({window, ++lastNumber_, {}});
    return lastNumber_;
}

void FolderWindows::Remove(HWND window) {
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [window](const Entry& e) { return e.window == window; }),
                   windows_.end());
}

const FolderWindows::Entry* FolderWindows::Find(HWND window) const {
    for (const Entry& entry : windows_) {
        if (entry.window == window) {
            return &entry;
        }
    }
    return nullptr;
}

std::string FolderWindows::Label(HWND window) const {
    const Entry* entry = Find(window);
    return entry ? "#" + std::to_string(entry->number) : "#?";
}

HWND FolderWindows::Current() const {
    return windows_.empty() ? nullptr : windows_.back().window;
}

std::vector<HWND> FolderWindows::All() const {
    std::vector<HWND> all;
    for (const Entry& entry : windows_) {
        all.push_back(entry.window);
    }
    return all;
}

void FolderWindows::SetPluginCommands(HWND window, const std::vector<int>& commandIds) {
    for (Entry& entry : windows_) {
        if (entry.window == window) {
            entry.pluginCommands = commandIds;
        }
    }
}

std::vector<int> FolderWindows::PluginCommands(HWND window) const {
    const Entry* entry = Find(window);
    return entry ? entry->pluginCommands : std::vector<int>();
}
