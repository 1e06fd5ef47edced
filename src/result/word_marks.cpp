#include "result/word_marks.h"

#include "text/shift_jis.h"

#include <algorithm>

namespace {

const char kIdeographicSpace[] = "　";

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

// As the pane counts characters: a lead byte before a line break is one.
size_t NextPaneCharacter(const std::string& text, size_t position) {
    const bool pair = IsLeadByte(static_cast<unsigned char>(text[position])) &&
                      position + 1 < text.size() && !IsLineBreak(text[position + 1]);
    return position + (pair ? 2 : 1);
}

// The first byte is compared on its own first, since almost every position
// fails there.
bool MatchesAt(const std::string& text, size_t position, const std::string& word) {
    return !word.empty() && position < text.size() && text[position] == word[0] &&
           text.compare(position, word.size(), word) == 0;
}

size_t GapEnd(const std::string& text, size_t position) {
    while (position < text.size()) {
        const char c = text[position];
        if (c == ' ' || c == '\t' || IsLineBreak(c))
            ++position;
        else if (text.compare(position, 2, kIdeographicSpace) == 0)
            position += 2;
        else
            break;
    }
    return position;
}

// The length of the term's occurrence at position, 0 when none.
size_t MatchLength(const std::string& text, size_t position,
                   const std::vector<std::string>& words) {
    if (!MatchesAt(text, position, words[0]))
        return 0;
    size_t end = position + words[0].size();
    for (size_t k = 1; k < words.size(); ++k) {
        const size_t next = GapEnd(text, end);
        if (!MatchesAt(text, next, words[k]))
            return 0;
        end = next + words[k].size();
    }
    return end - position;
}

std::vector<std::vector<std::string>> LoweredTerms(const std::vector<FormulaTerm>& terms) {
    std::vector<std::vector<std::string>> lowered;
    for (const FormulaTerm& term : terms) {
        if (term.Words.empty())
            continue;
        lowered.emplace_back();
        for (const std::string& word : term.Words)
            lowered.back().push_back(AsciiLowerCase(word));
    }
    return lowered;
}

} // namespace

std::vector<MarkedRange> WordMarks(const std::string& text, const std::vector<FormulaTerm>& terms) {
    const std::vector<std::vector<std::string>> loweredTerms = LoweredTerms(terms);
    std::vector<MarkedRange> marks;
    if (loweredTerms.empty())
        return marks;
    // Lowered once for all terms, keeping every byte where it was.
    const std::string lowered = AsciiLowerCase(text);
    size_t markEnd = 0;
    for (size_t i = 0; i < lowered.size(); i = NextPaneCharacter(lowered, i)) {
        size_t longest = 0;
        for (const std::vector<std::string>& words : loweredTerms)
            longest = std::max(longest, MatchLength(lowered, i, words));
        if (longest == 0)
            continue;
        if (!marks.empty() && i < markEnd) {
            markEnd = std::max(markEnd, i + longest);
            marks.back().Length = static_cast<int32_t>(markEnd) - marks.back().Start;
        } else {
            marks.push_back({static_cast<int32_t>(i), static_cast<int32_t>(longest)});
            markEnd = i + longest;
        }
    }
    return marks;
}

std::vector<int32_t> MarkStarts(const std::vector<MarkedRange>& marks,
                                const PanePositions& positions) {
    std::vector<int32_t> starts;
    starts.reserve(marks.size());
    for (const MarkedRange& mark : marks)
        starts.push_back(positions.ToCharacter(mark.Start));
    return starts;
}

std::optional<int32_t> NextMark(const std::vector<int32_t>& starts, int32_t caret) {
    const auto after = std::upper_bound(starts.begin(), starts.end(), caret);
    if (after == starts.end())
        return std::nullopt;
    return *after;
}

std::optional<int32_t> PreviousMark(const std::vector<int32_t>& starts, int32_t caret) {
    const auto atOrAfter = std::lower_bound(starts.begin(), starts.end(), caret);
    if (atOrAfter == starts.begin())
        return std::nullopt;
    return *(atOrAfter - 1);
}
