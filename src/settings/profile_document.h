#pragma once

#include <string>

// A file in the Windows profile (INI) format, read and changed in memory the
// way the system's private profile functions read and change it on disk.
// Section and key names match without regard to ASCII letter case; all text
// is Shift-JIS bytes.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(const std::string& fileBytes);

    // The value as GetPrivateProfileString would return it, or defaultValue
    // when the section or key is absent.
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;
    // As WritePrivateProfileString: replaces the value in place, or appends
    // the key to its section, creating the section at the end when needed.
    void Write(const std::string& section, const std::string& key, const std::string& value);

    // True once a Write has changed anything.
    bool IsModified() const;
    // The file's bytes as the system would write them back.
    std::string Serialize() const;
};
