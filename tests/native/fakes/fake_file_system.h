#pragma once

#include "platform/file_system.h"

#include <map>
#include <set>
#include <string>

// Files in memory, keyed by exact path. Paths can be made to refuse writes
// or reads, as a read-only or locked file would.
class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> Directories;
    std::set<std::string> ReadOnly;
    std::set<std::string> Locked;
    int Writes = 0;

    bool FileExists(const std::string& path) override { return Files.count(path) > 0; }

    std::optional<std::string> ReadFile(const std::string& path) override {
        auto found = Files.find(path);
        if (found == Files.end() || Locked.count(path))
            return std::nullopt;
        return found->second;
    }

    bool ReplaceContent(const std::string& path, const std::string& content) override {
        if (ReadOnly.count(path) || Locked.count(path))
            return false;
        Files[path] = content;
        ++Writes;
        return true;
    }

    std::vector<DirectoryEntry> ListDirectory(const std::string&) override { return {}; }
    bool MakeDirectory(const std::string& path) override {
        Directories.insert(path);
        return true;
    }
    bool CopyOneFile(const std::string& source, const std::string& target) override {
        auto found = Files.find(source);
        if (found == Files.end())
            return false;
        Files[target] = found->second;
        return true;
    }
    bool RemoveFile(const std::string& path) override { return Files.erase(path) > 0; }
};
