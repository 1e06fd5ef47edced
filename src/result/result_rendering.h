#pragma once

#include "catalogue/folder_catalogue.h"
#include "result/pane_positions.h"
#include "settings/settings_record.h"

#include <cstdint>
#include <string>
#include <vector>

// One hit of the result pane. Positions are byte offsets of the pane text.
struct TClickableInfo {
    int32_t TitleStart = 0;
    int32_t TitleEnd = 0; // last byte of the title range
    std::string Title;    // the title line up to its score, numbering kept
    int32_t UriStart = 0; // 0 until the URI line is found
    int32_t UriEnd = 0;
    std::string Uri;
};

constexpr char kTitleMark = 'T';
constexpr char kUriMark = 'U';

// What the result pane's text holds: where the hits are and how its byte
// offsets meet RichEdit positions. Outlives the result window.
struct HitList {
    // 0, kTitleMark or kUriMark for each RichEdit position of the pane text,
    // read on every mouse move.
    std::string ClickMapByCharacter;
    std::vector<TClickableInfo> Clickables;
    PanePositions Positions;

    int HitCount() const { return static_cast<int>(Clickables.size()); }
    void Clear();
};

// How a marked range is painted: title ranges also turn bold and
// underlined, URI ranges keep their style.
struct RangeFormat {
    uint8_t Red;
    uint8_t Green;
    uint8_t Blue;
    bool BoldUnderlined;
};
constexpr RangeFormat kTitleFormat{0, 0, 255, true};
constexpr RangeFormat kUriFormat{0, 128, 128, false};

struct ColouredRange {
    int32_t Start; // byte offset in the pane text
    int32_t Length;
    RangeFormat Format;
};

struct RenderOptions {
    bool RenameToFolderName = false;
    bool Colouring = true;
    bool Namazu13 = false;
    // The display titles of the target folders, in search order.
    std::vector<std::string> FolderTitles;
};

// The options of a rendering: the settings, the titles of the targets the
// catalogue knows, and whether the window paints colours.
RenderOptions ResultRenderOptions(const TSettings& settings, const FolderCatalogue& catalogue,
                                  const std::vector<int>& searchTargets, bool colouring);

struct RenderedResult {
    std::string Text; // what the pane shows
    std::vector<ColouredRange> Colours;
    bool FoundHitList = false; // a line starting "1. ", or the page's first number, was found
};

// Turns Namazu's result text into the pane text and rebuilds hits for it.
RenderedResult RenderResult(const std::string& fileText, const RenderOptions& options,
                            HitList& hits);
