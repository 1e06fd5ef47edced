#include "result/pane_positions.h"

#include "text/shift_jis.h"

#include <algorithm>

std::vector<std::string> PaneLines(const std::string& fileText) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < fileText.size(); ++i) {
        const char c = fileText[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.push_back(fileText.substr(start, i - start));
        if (c == '\r' && i + 1 < fileText.size() && fileText[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < fileText.size())
        lines.push_back(fileText.substr(start));
    return lines;
}

std::string PaneText(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

int32_t CharacterPositionOfLine(const std::vector<std::string>& lines, size_t line) {
    int32_t position = 0;
    for (size_t i = 0; i < lines.size() && i < line; ++i)
        position += static_cast<int32_t>(CharacterCount(lines[i])) + (i + 1 < lines.size() ? 1 : 0);
    return position;
}

PanePositions::PanePositions(const std::vector<std::string>& lines) {
    size_t offset = 0;
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        // Each line is walked on its own so that a lead byte at its end
        // cannot take the CR for its trail byte.
        for (size_t i = 0; i < line.size();) {
            const size_t next = NextCharacter(line, i);
            if (next - i == 2)
                pairStarts_.push_back(static_cast<int32_t>(offset + i));
            i = next;
        }
        offset += line.size();
        if (k + 1 < lines.size()) {
            pairStarts_.push_back(static_cast<int32_t>(offset));
            offset += 2;
        }
    }
    byteLength_ = static_cast<int32_t>(offset);
}

int32_t PanePositions::ToCharacter(int32_t offset) const {
    offset = std::clamp(offset, 0, byteLength_);
    const auto after = std::lower_bound(pairStarts_.begin(), pairStarts_.end(), offset);
    // The second byte of a pair counts its pair among those before it and
    // so lands on the pair's own character.
    return offset - static_cast<int32_t>(after - pairStarts_.begin());
}

int32_t PanePositions::ToOffset(int32_t character) const {
    character = std::clamp(character, 0, CharacterLength());
    // Pair i stands at character pairStarts_[i] - i, which grows with i.
    size_t low = 0;
    size_t high = pairStarts_.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (pairStarts_[middle] - static_cast<int32_t>(middle) < character)
            low = middle + 1;
        else
            high = middle;
    }
    return character + static_cast<int32_t>(low);
}
