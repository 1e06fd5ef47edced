#include "settings/profile_document.h"

#include <algorithm>
#include <optional>
#include <string_view>

// The rules below follow Wine's profile code byte for byte where Shift-JIS
// allows: Wine works on UTF-16 converted through the ANSI code page, this
// document on the Shift-JIS bytes themselves, so that a byte 0x5D or 0x41
// that is the second half of a double-byte character is never taken for "]"
// or "A".

namespace {

const std::string_view kUtf8Bom = "\xEF\xBB\xBF";
const std::string_view kLineEnd = "\r\n";
// GetPrivateProfileString is called with a buffer of this many bytes.
constexpr std::size_t kCallerBufferSize = 2048;

// Control characters 9 to 13, ^Z (an old end-of-file mark) and the space.
bool IsProfileSpace(char c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' ';
}

bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Bytes of the character at pos: two for a lead byte with a valid trail byte.
std::size_t CharLength(std::string_view text, std::size_t pos) {
    if (IsLeadByte(text[pos]) && pos + 1 < text.size() && IsTrailByte(text[pos + 1]))
        return 2;
    return 1;
}

std::size_t CountChars(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos))
        ++count;
    return count;
}

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool HasLineBreak(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsLineBreak);
}

// Neither space characters nor line ends can be part of a double-byte
// character, so trimming may work on bytes.
std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsProfileSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

// The lookup form of a name: ASCII letters in lower case.
std::string Fold(std::string_view name) {
    std::string folded(name);
    for (std::size_t pos = 0; pos < folded.size(); pos += CharLength(folded, pos)) {
        if (folded[pos] >= 'A' && folded[pos] <= 'Z')
            folded[pos] = static_cast<char>(folded[pos] - 'A' + 'a');
    }
    return folded;
}

std::optional<std::size_t> FindLastClosingBracket(std::string_view line) {
    std::optional<std::size_t> found;
    for (std::size_t pos = 0; pos < line.size(); pos += CharLength(line, pos)) {
        if (line[pos] == ']')
            found = pos;
    }
    return found;
}

struct ParsedLine {
    bool isSectionHeader = false;
    std::string name;
    std::string value;
    bool hasValue = false;
};

// One line without its line end; nothing for a blank line. A "[" line
// without "]" is an ordinary key line; text after the last "]" is ignored.
std::optional<ParsedLine> ParseLine(std::string_view rawLine) {
    const std::string_view line = Trim(rawLine);
    if (line.empty())
        return std::nullopt;
    ParsedLine parsed;
    if (line.front() == '[') {
        if (const auto bracket = FindLastClosingBracket(line)) {
            parsed.isSectionHeader = true;
            parsed.name = Trim(line.substr(1, *bracket - 1));
            return parsed;
        }
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        parsed.name = line;
        return parsed;
    }
    parsed.name = TrimRight(line.substr(0, equals));
    parsed.value = TrimLeft(line.substr(equals + 1));
    parsed.hasValue = true;
    return parsed;
}

// The caller's buffer holds 2047 characters; a value in quotes loses them,
// and when the value fills the buffer exactly the last character copied is
// dropped in the closing quote's stead. The bytes are then cut to fit the
// buffer without splitting a double-byte character.
std::string AsReturnedToCaller(std::string_view value) {
    const bool quoted = value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted)
        value.remove_prefix(1);
    const std::size_t charCount = CountChars(value);
    std::size_t keptChars = std::min(charCount, kCallerBufferSize - 1);
    if (quoted && kCallerBufferSize >= charCount)
        --keptChars;
    std::size_t keptBytes = 0;
    for (std::size_t chars = 0; chars < keptChars; ++chars) {
        const std::size_t length = CharLength(value, keptBytes);
        if (keptBytes + length > kCallerBufferSize - 1)
            break;
        keptBytes += length;
    }
    return std::string(value.substr(0, keptBytes));
}

// Trailing spaces of a default are dropped, though never its first character.
std::string_view WithoutTrailingSpaces(std::string_view text) {
    std::size_t end = text.size();
    while (end > 1 && text[end - 1] == ' ')
        --end;
    return text.substr(0, end);
}

bool EndsInLoneLeadByte(std::string_view text) {
    std::size_t pos = 0;
    std::size_t last = 0;
    for (; pos < text.size(); pos += CharLength(text, pos))
        last = pos;
    return !text.empty() && IsLeadByte(text[last]) && CharLength(text, last) == 1;
}

// A lone lead byte at the end of a name would take the "]" for its trail
// byte; a space, trimmed away again on reading, keeps them apart.
std::string SectionHeader(const std::string& name) {
    return "[" + name + (EndsInLoneLeadByte(name) ? " ]" : "]");
}

} // namespace

ProfileDocument::ProfileDocument(const std::string& fileBytes) {
    Parse(fileBytes);
}

std::string ProfileDocument::Read(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const {
    const Entry* entry = FindEntry(section, key);
    if (entry && entry->hasValue)
        return AsReturnedToCaller(entry->value);
    return AsReturnedToCaller(WithoutTrailingSpaces(defaultValue));
}

void ProfileDocument::Write(const std::string& section, const std::string& key,
                            const std::string& value) {
    const std::string_view newValue = TrimLeft(value);
    const Lookup written = FindOrCreateEntry(section, key);
    Entry& entry = *written.entry;
    if (entry.hasValue && entry.value == newValue)
        return;
    entry.value.assign(newValue);
    entry.hasValue = true;
    modified_ = true;
    // Wine reads a file again when it was written less than two seconds
    // ago, so what counts after a write is the file as written.
    if (SurvivesRereading(written))
        writtenBytesCurrent_ = false;
    else
        RereadOwnOutput();
}

std::size_t ProfileDocument::KeyCount() const {
    std::size_t count = 0;
    for (const Section& section : sections_)
        count += section.entries.size();
    return count;
}

std::vector<std::string> ProfileDocument::KeyNames(const std::string& section) const {
    std::vector<std::string> names;
    const auto sectionFound = firstSection_.find(Fold(Trim(section)));
    if (sectionFound == firstSection_.end())
        return names;
    for (const auto& entry : sections_[sectionFound->second].firstEntry)
        names.push_back(entry.first);
    return names;
}

bool ProfileDocument::IsModified() const {
    return modified_;
}

std::string ProfileDocument::Serialize() const {
    return writtenBytesCurrent_ ? writtenBytes_ : SerializeSections();
}

// Lines before the first header belong to a nameless section, which is written
// back without a header. Wine gives an empty file no such section, but gains
// it on the first write, when it reads its own output again.
void ProfileDocument::Parse(const std::string& fileBytes) {
    sections_.clear();
    firstSection_.clear();
    hasHeaderlessSection_ = false;
    std::string_view text = fileBytes;
    utf8Bom_ = text.substr(0, kUtf8Bom.size()) == kUtf8Bom;
    if (utf8Bom_)
        text.remove_prefix(kUtf8Bom.size());
    AddSection(std::string());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lineStart = pos;
        while (pos < text.size() && !IsLineBreak(text[pos]))
            ++pos;
        const std::string_view line = text.substr(lineStart, pos - lineStart);
        while (pos < text.size() && IsLineBreak(text[pos]))
            ++pos;
        std::optional<ParsedLine> parsed = ParseLine(line);
        if (!parsed)
            continue;
        if (parsed->isSectionHeader) {
            hasHeaderlessSection_ = hasHeaderlessSection_ || parsed->name.empty();
            AddSection(parsed->name);
            continue;
        }
        Section& current = sections_.back();
        // A nameless key right after another nameless key is dropped.
        const bool repeatsNamelessKey =
            parsed->name.empty() && !current.entries.empty() && current.entries.back().name.empty();
        if (!repeatsNamelessKey)
            AddEntry(current,
                     Entry{std::move(parsed->name), std::move(parsed->value), parsed->hasValue});
    }
}

void ProfileDocument::AddSection(const std::string& name) {
    firstSection_.emplace(Fold(Trim(name)), sections_.size());
    sections_.push_back(Section{name, {}, {}});
}

void ProfileDocument::AddEntry(Section& section, Entry entry) {
    section.firstEntry.emplace(Fold(Trim(entry.name)), section.entries.size());
    section.entries.push_back(std::move(entry));
}

// Only the first section of a name is searched, and in it the first key.
const ProfileDocument::Entry* ProfileDocument::FindEntry(const std::string& section,
                                                         const std::string& key) const {
    const auto sectionFound = firstSection_.find(Fold(Trim(section)));
    if (sectionFound == firstSection_.end())
        return nullptr;
    const Section& found = sections_[sectionFound->second];
    const auto entryFound = found.firstEntry.find(Fold(Trim(key)));
    if (entryFound == found.firstEntry.end())
        return nullptr;
    return &found.entries[entryFound->second];
}

// New names keep their trailing spaces until the file is read again.
ProfileDocument::Lookup ProfileDocument::FindOrCreateEntry(const std::string& section,
                                                           const std::string& key) {
    Lookup lookup;
    const auto sectionFound = firstSection_.find(Fold(Trim(section)));
    if (sectionFound == firstSection_.end()) {
        AddSection(std::string(TrimLeft(section)));
        lookup.section = &sections_.back();
        lookup.createdSection = true;
    } else {
        lookup.section = &sections_[sectionFound->second];
    }
    Section& target = *lookup.section;
    const auto entryFound = target.firstEntry.find(Fold(Trim(key)));
    if (entryFound == target.firstEntry.end()) {
        AddEntry(target, Entry{std::string(TrimLeft(key)), std::string(), false});
        lookup.entry = &target.entries.back();
    } else {
        lookup.entry = &target.entries[entryFound->second];
    }
    return lookup;
}

// Whether reading the written file back yields this document unchanged.
// Names and values that gain or lose characters on the way, and nameless
// sections that would merge, send the document through the round trip.
bool ProfileDocument::SurvivesRereading(const Lookup& written) const {
    if (hasHeaderlessSection_)
        return false;
    if (written.createdSection) {
        const std::string& name = written.section->name;
        if (name.empty() && written.section != &sections_.front())
            return false;
        if (!name.empty()) {
            const auto header = ParseLine(SectionHeader(name));
            if (HasLineBreak(name) || !header->isSectionHeader || header->name != name)
                return false;
        }
    }
    const Entry& entry = *written.entry;
    const std::string line = entry.name + "=" + entry.value;
    const auto reread = ParseLine(line);
    return !HasLineBreak(line) && reread && !reread->isSectionHeader &&
           reread->name == entry.name && reread->value == entry.value;
}

void ProfileDocument::RereadOwnOutput() {
    writtenBytes_ = SerializeSections();
    Parse(writtenBytes_);
    writtenBytesCurrent_ = true;
}

std::string ProfileDocument::SerializeSections() const {
    std::size_t size = kUtf8Bom.size() + kLineEnd.size();
    for (const Section& section : sections_) {
        size += section.name.size() + 3 + kLineEnd.size();
        for (const Entry& entry : section.entries)
            size +=
                entry.name.size() + (entry.hasValue ? 1 + entry.value.size() : 0) + kLineEnd.size();
    }
    std::string out;
    out.reserve(size);
    if (utf8Bom_)
        out += kUtf8Bom;
    for (const Section& section : sections_) {
        if (!section.name.empty()) {
            out += SectionHeader(section.name);
            out += kLineEnd;
        }
        for (const Entry& entry : section.entries) {
            out += entry.name;
            if (entry.hasValue) {
                out += '=';
                out += entry.value;
            }
            out += kLineEnd;
        }
    }
    // Key bytes that merely look like a UTF-8 mark must not land at the
    // start of a file that had none, where reading would strip them.
    if (!utf8Bom_ && std::string_view(out).substr(0, kUtf8Bom.size()) == kUtf8Bom)
        out.insert(0, kLineEnd);
    return out;
}
