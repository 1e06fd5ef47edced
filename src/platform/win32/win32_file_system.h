#pragma once

#include "platform/file_system.h"

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceFile(const std::string& path, const std::string& content) override;
    std::vector<DirectoryEntry> ListDirectory(const std::string& pattern) override;
    bool CreateDirectory(const std::string& path) override;
    bool CopyFile(const std::string& source, const std::string& target) override;
    bool DeleteFile(const std::string& path) override;
};
