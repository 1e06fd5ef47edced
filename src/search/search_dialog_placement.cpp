#include "search/search_dialog_placement.h"

WindowRect PlaceSearchDialog(const WindowRect& dialog, const WindowRect& owner, int screenWidth,
                             int screenHeight) {
    WindowRect placed = CentreOnOwner(dialog, owner);
    if (placed.Left < 0)
        placed.Left = 0;
    if (placed.Top < 0)
        placed.Top = 0;
    if (placed.Left + placed.Width > screenWidth)
        placed.Left = screenWidth - placed.Width;
    if (placed.Top + placed.Height > screenHeight)
        placed.Top = screenHeight - placed.Height;
    return placed;
}
