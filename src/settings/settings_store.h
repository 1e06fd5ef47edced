#pragma once

#include "platform/file_system.h"
#include "settings/settings_record.h"

#include <string>

// The process-wide settings: the current file name and the record, with the
// operations that move the record to and from the file. Each operation reads
// the file once and writes it at most once, in one step; a refused write
// throws PluginError and leaves the old file whole.
class SettingsStore {
public:
    explicit SettingsStore(FileSystem& files) : files_(files) {}

    std::string IniFileName;
    TSettings Settings;

    bool SettingsFileExists() const { return files_.FileExists(IniFileName); }
    // Creates the file with the creation defaults and loads it, if IniFileName
    // names no existing file.
    void EnsureSettingsFile();
    void CreateDefaultSettings(const std::string& fileName);
    void LoadSettings(const std::string& fileName);
    // Writes the record back, except the aliases and [Mknmz] IndexDir.
    void SaveSettings(const std::string& fileName);
    void SaveAliases();
    void WriteMailCounter();

private:
    FileSystem& files_;
};
