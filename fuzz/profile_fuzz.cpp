// A profile file, then writes of (section, key, value), all cut at NULs:
// every read of the changed document, and its key names, equal those of the
// document parsed again from its serialised bytes.
#include "fuzz_support.h"
#include "settings/profile_document.h"

#include <algorithm>
#include <set>

namespace {

// Names between "[" and the last "]" of each line, a superset of the
// document's sections.
void AddHeaderNames(const std::string& text, std::set<std::string>& names) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        const size_t open = line.find('[');
        const size_t close = line.rfind(']');
        if (open != std::string::npos && close != std::string::npos && close > open)
            names.insert(line.substr(open + 1, close - open - 1));
        start = end + 1;
    }
}

std::vector<std::string> SortedKeys(const ProfileDocument& document, const std::string& section) {
    std::vector<std::string> keys = document.KeyNames(section);
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> pieces = Pieces(data, size);
    ProfileDocument document(pieces[0]);
    std::set<std::string> sections{""};
    std::set<std::string> keys;
    for (size_t i = 1; i + 2 < pieces.size(); i += 3) {
        document.Write(pieces[i], pieces[i + 1], pieces[i + 2]);
        sections.insert(pieces[i]);
        keys.insert(pieces[i + 1]);
    }
    // Only a changed document is ever written back.
    if (!document.IsModified())
        return 0;
    const std::string bytes = document.Serialize();
    const ProfileDocument reread(bytes);

    AddHeaderNames(pieces[0], sections);
    AddHeaderNames(bytes, sections);
    for (const std::string& section : sections) {
        const std::vector<std::string> names = SortedKeys(document, section);
        Check(names == SortedKeys(reread, section), "the re-read section holds other keys");
        std::set<std::string> asked(keys);
        asked.insert(names.begin(), names.end());
        for (const std::string& key : asked) {
            Check(document.Read(section, key, "\x01") == reread.Read(section, key, "\x01"),
                  "a read differs after re-reading");
        }
    }
    return 0;
}
