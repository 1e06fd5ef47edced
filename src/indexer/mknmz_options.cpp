#include "indexer/mknmz_options.h"

#include <cstring>
#include <vector>

namespace {

// mknmz 2.0.21 bundles single-letter options; these take a value, which is
// the rest of the group or else the next word.
const char kFlagLetters[] = "057CEGHKMSUVYZabcdehkmqsuvxz";
const char kValueLetters[] = "12346FILOTfrt";

bool IsOneOf(char letter, const char* letters) {
    return letter != '\0' && std::strchr(letters, letter) != nullptr;
}

// The words of options as the C runtime would split them, quotes removed.
std::vector<std::string> Words(const std::string& options) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : options) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

} // namespace

std::optional<char> UnknownNamazu20Letter(const std::string& options) {
    const std::vector<std::string> words = Words(options);
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-' || word[1] == '-')
            continue;
        for (size_t at = 1; at < word.size(); ++at) {
            if (IsOneOf(word[at], kValueLetters)) {
                i += at + 1 == word.size() ? 1 : 0;
                break;
            }
            if (!IsOneOf(word[at], kFlagLetters))
                return word[at];
        }
    }
    return std::nullopt;
}
