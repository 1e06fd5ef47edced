#include "platform/window_placement.h"

WindowRect CentreOnOwner(const WindowRect& window, const WindowRect& owner) {
    WindowRect placed = window;
    placed.Left = owner.Left + (owner.Width - window.Width) / 2;
    placed.Top = owner.Top + (owner.Height - window.Height) / 2;
    return placed;
}

WindowRect KeepOnScreen(const WindowRect& window, int screenWidth, int screenHeight) {
    WindowRect placed = window;
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
