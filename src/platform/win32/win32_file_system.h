#pragma once

#include "platform/file_system.h"

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    bool ReplaceContent(const std::string& path, const std::string& content) override;
    std::vector<DirectoryEntry> ListDirectory(const std::string& pattern) override;
    bool MakeDirectory(const std::string& path) override;
    bool CopyOneFile(const std::string& source, const std::string& target) override;
    bool RemoveFile(const std::string& path) override;
};
