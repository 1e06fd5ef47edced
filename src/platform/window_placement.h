#pragma once

// A window's place on the screen in pixels.
struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// window moved so that it is centred on owner: left = owner left + (owner
// width - width) / 2, top likewise, halves truncated toward zero.
WindowRect CentreOnOwner(const WindowRect& window, const WindowRect& owner);

// window moved onto a screen of the given size: a negative left or top
// becomes 0, then an edge beyond the right or bottom moves it back inside.
WindowRect KeepOnScreen(const WindowRect& window, int screenWidth, int screenHeight);
