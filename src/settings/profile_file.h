#pragma once

#include "platform/file_system.h"
#include "settings/profile_document.h"

#include <string>
#include <vector>

// A profile file read once, changed in memory and written back in one step.
// A missing file reads as empty; one that exists but cannot be read also
// reads as empty, and is never written over.
class ProfileFile {
public:
    ProfileFile(FileSystem& files, const std::string& path);

    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;
    void Write(const std::string& section, const std::string& key, const std::string& value);
    std::size_t KeyCount() const { return document_.KeyCount(); }
    std::vector<std::string> KeyNames(const std::string& section) const {
        return document_.KeyNames(section);
    }
    // Writes the file if anything changed; throws PluginError
    // "<path> に書き込めません" when that is refused, leaving the old file whole.
    void Save();

private:
    FileSystem& files_;
    std::string path_;
    bool unreadable_ = false;
    ProfileDocument document_;
};
