#pragma once

#include "platform/file_system.h"
#include "text/shift_jis.h"

#include <map>
#include <set>
#include <string>

// Files in memory, keyed by exact path. Paths can be made to refuse writes and deletion
// (a read-only file) or reads (a file the system fails to read), each alone.
class FakeFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> Directories;
    std::set<std::string> ReadOnly;
    std::set<std::string> Unreadable;
    // Last write times by path of a file or directory; 0 where none is set.
    std::map<std::string, std::uint64_t> Times;
    int Writes = 0;

    bool FileExists(const std::string& path) override { return Files.count(path) > 0; }

    std::optional<std::string> ReadFile(const std::string& path) override {
        auto found = Files.find(path);
        if (found == Files.end() || Unreadable.count(path))
            return std::nullopt;
        return found->second;
    }

    bool ReplaceContent(const std::string& path, const std::string& content) override {
        if (ReadOnly.count(path))
            return false;
        Files[path] = content;
        ++Writes;
        return true;
    }

    // The files and directories directly in the pattern's directory whose
    // names match its wildcard, ignoring ASCII case, sorted by name. A file's
    // path implies its directories.
    std::vector<DirectoryEntry> ListDirectory(const std::string& pattern) override {
        const size_t separator = FindLastWhole(pattern, "\\");
        const std::string directory = pattern.substr(0, separator + 1);
        const std::string mask = pattern.substr(separator + 1);
        std::map<std::string, bool> children; // name -> is a directory
        for (const std::string& path : Directories)
            AddChild(children, directory, path + "\\");
        for (const auto& file : Files)
            AddChild(children, directory, file.first);
        std::vector<DirectoryEntry> entries;
        for (const auto& child : children) {
            if (MatchesWildcard(AsciiLowerCase(child.first), AsciiLowerCase(mask))) {
                DirectoryEntry entry;
                entry.Name = child.first;
                entry.IsDirectory = child.second;
                const auto time = Times.find(directory + child.first);
                entry.LastWriteTime = time == Times.end() ? 0 : time->second;
                entries.push_back(entry);
            }
        }
        return entries;
    }
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
    bool RemoveFile(const std::string& path) override {
        return ReadOnly.count(path) == 0 && Files.erase(path) > 0;
    }

private:
    static void AddChild(std::map<std::string, bool>& children, const std::string& directory,
                         const std::string& path) {
        if (path.size() <= directory.size() || path.compare(0, directory.size(), directory) != 0)
            return;
        const std::string rest = path.substr(directory.size());
        const size_t separator = FindWhole(rest, "\\");
        if (separator == 0)
            return;
        const bool isDirectory = separator != std::string::npos;
        children[rest.substr(0, separator)] |= isDirectory;
    }

    // '*' and '?' as the system reads them; "*.*" also matches names without a dot.
    static bool MatchesWildcard(const std::string& name, const std::string& mask) {
        if (mask == "*.*")
            return true;
        if (mask.empty())
            return name.empty();
        if (mask[0] == '*') {
            for (size_t skip = 0; skip <= name.size(); ++skip) {
                if (MatchesWildcard(name.substr(skip), mask.substr(1)))
                    return true;
            }
            return false;
        }
        if (name.empty() || (mask[0] != '?' && mask[0] != name[0]))
            return false;
        return MatchesWildcard(name.substr(1), mask.substr(1));
    }
};
