#include "settings/profile_file.h"

#include "platform/plugin_error.h"

#include <optional>

ProfileFile::ProfileFile(FileSystem& files, const std::string& path) : files_(files), path_(path) {
    const std::optional<std::string> bytes = files.ReadFile(path);
    unreadable_ = !bytes && files.FileExists(path);
    document_ = ProfileDocument(bytes.value_or(std::string()));
}

std::string ProfileFile::Read(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    return document_.Read(section, key, defaultValue);
}

void ProfileFile::Write(const std::string& section, const std::string& key,
                        const std::string& value) {
    document_.Write(section, key, value);
}

void ProfileFile::Save() {
    if (!document_.IsModified())
        return;
    if (unreadable_ || !files_.ReplaceContent(path_, document_.Serialize()))
        throw PluginError(path_ + " に書き込めません");
}
