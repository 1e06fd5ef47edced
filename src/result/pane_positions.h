#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A text pane holds Shift-JIS lines joined with CR LF and is addressed by
// byte offsets into that text. RichEdit addresses the same text by
// characters, where a double-byte character and a line break each count one.

// The lines of a file: CR LF, a lone LF and a lone CR each end a line, and a
// break at the very end starts no further line.
std::vector<std::string> PaneLines(const std::string& fileText);

// The lines joined with CR LF, with no break after the last.
std::string PaneText(const std::vector<std::string>& lines);

// The RichEdit position where line begins; past the last line, the end.
int32_t CharacterPositionOfLine(const std::vector<std::string>& lines, size_t line);

// The one mapping between byte offsets and RichEdit positions of a pane
// text, built once per text. Positions outside the text are taken as its
// nearest end.
class PanePositions {
public:
    PanePositions() = default;
    explicit PanePositions(const std::vector<std::string>& lines);

    // The position of the character that holds the byte at offset.
    int32_t ToCharacter(int32_t offset) const;
    // The offset of the first byte of the character at position.
    int32_t ToOffset(int32_t character) const;

    int32_t ByteLength() const { return byteLength_; }
    int32_t CharacterLength() const {
        return byteLength_ - static_cast<int32_t>(pairStarts_.size());
    }

private:
    // Where each two-byte unit begins, a double-byte character or a CR LF:
    // the only places where bytes and characters drift apart.
    std::vector<int32_t> pairStarts_;
    int32_t byteLength_ = 0;
};
