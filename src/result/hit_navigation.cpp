#include "result/hit_navigation.h"

namespace {

bool HasUriLine(const TClickableInfo& hit) {
    return hit.UriStart != 0 || hit.UriEnd != 0;
}

std::optional<int32_t> ToCaret(const HitList& hits, std::optional<int32_t> offset) {
    if (!offset)
        return std::nullopt;
    return hits.Positions.ToCharacter(*offset);
}

} // namespace

int HitAtOrAfter(const std::vector<TClickableInfo>& hits, int32_t offset) {
    for (size_t i = 0; i < hits.size(); ++i) {
        if (offset < hits[i].UriStart || offset <= hits[i].UriEnd)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<int32_t> NextHitOffset(const std::vector<TClickableInfo>& hits, int32_t offset) {
    for (size_t i = 0; i < hits.size(); ++i) {
        if (offset >= hits[i].UriStart)
            continue;
        size_t target = i;
        if (offset >= hits[i].TitleStart && i + 1 < hits.size())
            target = i + 1;
        return HasUriLine(hits[target]) ? hits[target].UriStart : hits[target].TitleStart;
    }
    return std::nullopt;
}

std::optional<int32_t> PreviousHitOffset(const std::vector<TClickableInfo>& hits, int32_t offset) {
    for (size_t i = hits.size(); i-- > 0;) {
        if (hits[i].TitleStart >= offset)
            continue;
        size_t target = i;
        if (offset <= hits[i].UriEnd && i > 0)
            target = i - 1;
        return hits[target].TitleStart;
    }
    return std::nullopt;
}

int HitToOpen(const HitList& hits, int32_t caret) {
    return HitAtOrAfter(hits.Clickables, hits.Positions.ToOffset(caret));
}

std::optional<int32_t> NextHitCaret(const HitList& hits, int32_t caret) {
    return ToCaret(hits, NextHitOffset(hits.Clickables, hits.Positions.ToOffset(caret)));
}

std::optional<int32_t> PreviousHitCaret(const HitList& hits, int32_t caret) {
    return ToCaret(hits, PreviousHitOffset(hits.Clickables, hits.Positions.ToOffset(caret)));
}

PaneCursor CursorOver(const HitList& hits, int32_t character) {
    if (hits.Positions.ByteLength() < 2)
        return PaneCursor::Unchanged;
    const std::string& marks = hits.ClickMapByCharacter;
    if (character < 0 || static_cast<size_t>(character) >= marks.size())
        return PaneCursor::Default;
    return marks[static_cast<size_t>(character)] != 0 ? PaneCursor::HandPoint : PaneCursor::Default;
}

int HitToOpenOnPress(const HitList& hits, PaneCursor cursor, bool leftButton, bool hasSelection,
                     int32_t caret) {
    if (cursor != PaneCursor::HandPoint || !leftButton || hasSelection)
        return -1;
    return HitToOpen(hits, caret);
}
