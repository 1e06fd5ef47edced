#pragma once

#include <string>

// What the result window shows and leaves behind. It lives in the plug-in
// state, so it outlives each window: the mail on display is remembered
// across searches and windows.
struct ResultModel {
    // One byte per byte of the pane text: 0 for plain text, 'T' for a hit's
    // title and 'U' for its URI. Positions are byte offsets into the
    // Shift-JIS pane text, each line break counting two.
    std::string ClickMap;
    // The local path of the mail on display; empty until one is shown.
    std::string CurrentMailPath;

    void DiscardHits() { ClickMap.clear(); }
};
