#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

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

    // How many key lines the document holds, in all sections.
    std::size_t KeyCount() const;
    // The distinct names, folded to ASCII lower case, under which the first
    // section of that name finds a key.
    std::vector<std::string> KeyNames(const std::string& section) const;

    // True once a Write has changed anything.
    bool IsModified() const;
    // The file's bytes as the system would write them back.
    std::string Serialize() const;

private:
    // One line of a section: a key with or without "=", or a comment line.
    struct Entry {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        // Folded entry name to the position of its first entry.
        std::unordered_map<std::string, std::size_t> firstEntry;
    };
    struct Lookup {
        Section* section = nullptr;
        Entry* entry = nullptr;
        bool createdSection = false;
    };

    void Parse(const std::string& fileBytes);
    void AddSection(const std::string& name);
    void AddEntry(Section& section, Entry entry);
    const Entry* FindEntry(const std::string& section, const std::string& key) const;
    Lookup FindOrCreateEntry(const std::string& section, const std::string& key);
    bool SurvivesRereading(const Lookup& written) const;
    void RereadOwnOutput();
    std::string SerializeSections() const;

    bool utf8Bom_ = false;
    std::vector<Section> sections_;
    // Folded section name to the position of its first section.
    std::unordered_map<std::string, std::size_t> firstSection_;
    // A nameless section after the first one, from a "[]" line: once written
    // back without a header, its keys join the section before it.
    bool hasHeaderlessSection_ = false;
    bool modified_ = false;
    // The bytes last written when the document was re-read from them since.
    std::string writtenBytes_;
    bool writtenBytesCurrent_ = false;
};
