#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One entry of a directory listing.
struct DirectoryEntry {
    std::string Name;
    bool IsDirectory = false;
    bool IsHidden = false;
    bool IsSystem = false;
    // The system's time of the last write, comparable only with other such times.
    std::uint64_t LastWriteTime = 0;
};

// Files and directories, with Shift-JIS paths.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool FileExists(const std::string& path) = 0;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // Replaces the file in one step: readers see the old or the new content,
    // never a part. False when the system refuses; the old file is then whole.
    virtual bool ReplaceContent(const std::string& path, const std::string& content) = 0;
    // The entries matching a wildcard pattern such as "c:\\dir\\*.box", in the
    // order the file system gives them.
    virtual std::vector<DirectoryEntry> ListDirectory(const std::string& pattern) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual bool CopyOneFile(const std::string& source, const std::string& target) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
};
