// The first byte chooses the options, the rest is a Namazu result: every
// hit and colour lies inside the pane text, the click maps agree with each
// other, and byte offsets and RichEdit positions map back and forth.
#include "fuzz_support.h"
#include "result/result_rendering.h"

namespace {

bool Inside(const std::string& text, int32_t start, int32_t last) {
    return start >= 0 && last >= start - 1 && last < static_cast<int32_t>(text.size());
}

void CheckRange(const std::string& text, int32_t start, int32_t last, const std::string& held) {
    Check(Inside(text, start, last), "a hit range outside the text");
    Check(text.compare(static_cast<size_t>(start), static_cast<size_t>(last - start + 1), held) ==
              0,
          "a hit's text is not the text at its range");
}

void CheckPositions(const std::string& text, const PanePositions& positions) {
    const int32_t length = static_cast<int32_t>(text.size());
    Check(positions.ByteLength() == length, "the position map's length is not the text's");
    Check(positions.ToCharacter(length) == positions.CharacterLength(),
          "the text's end is not its last position");
    for (int32_t offset = 0; offset < length; ++offset) {
        const int32_t character = positions.ToCharacter(offset);
        const int32_t start = positions.ToOffset(character);
        Check(start <= offset && offset - start <= 1, "an offset maps to another character");
        Check(positions.ToCharacter(offset + 1) - character <= 1, "a byte skips a position");
        if (text[offset] == '\n')
            Check(offset > 0 && text[offset - 1] == '\r' &&
                      positions.ToCharacter(offset - 1) == character,
                  "a line break is not one position");
    }
    for (int32_t character = 0; character <= positions.CharacterLength(); ++character)
        Check(positions.ToCharacter(positions.ToOffset(character)) == character,
              "a position does not map back to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    RenderOptions options;
    options.Namazu13 = data[0] & 1;
    options.RenameToFolderName = data[0] & 2;
    options.Colouring = data[0] & 4;
    options.FolderTitles = {"郵便受け", "表示\\[", ""};
    options.FolderTitles.resize(data[0] >> 6);
    const std::string fileText(reinterpret_cast<const char*>(data) + 1, size - 1);

    HitList hits;
    const RenderedResult rendered = RenderResult(fileText, options, hits);
    const std::string& text = rendered.Text;
    CheckPositions(text, hits.Positions);
    Check(hits.ClickMap.size() == text.size(), "the click map is not the text's length");
    Check(static_cast<int32_t>(hits.ClickMapByCharacter.size()) == hits.Positions.CharacterLength(),
          "the character click map is not the text's length");
    for (const TClickableInfo& hit : hits.Clickables) {
        CheckRange(text, hit.TitleStart, hit.TitleEnd, hit.Title);
        if (!hit.Uri.empty())
            CheckRange(text, hit.UriStart, hit.UriEnd, hit.Uri);
    }
    for (const ColouredRange& range : rendered.Colours)
        Check(range.Length > 0 && Inside(text, range.Start, range.Start + range.Length - 1),
              "a coloured range outside the text");
    for (size_t offset = 0; offset < text.size(); ++offset) {
        const char mark = hits.ClickMap[offset];
        if (mark != 0)
            Check(hits.ClickMapByCharacter[static_cast<size_t>(
                      hits.Positions.ToCharacter(static_cast<int32_t>(offset)))] == mark,
                  "the click maps disagree");
    }
    return 0;
}
