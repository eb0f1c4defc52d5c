// The page space and every button in it. Mouse positions reach the pages in
// a 1024 by 768 space (origin top-left, y down) whatever the display size;
// the page pictures are painted for it, with each button over its rectangle.
#pragma once

constexpr int kPageWidth = 1024;
constexpr int kPageHeight = 768;

// A button rectangle in page space. A point counts only strictly inside: a
// click on a bound misses.
struct PageRect {
    int x1, y1, x2, y2;

    constexpr bool Contains(int x, int y) const { return x > x1 && x < x2 && y > y1 && y < y2; }
};

// The main menu: play and options at the top right, quit at the bottom right.
constexpr PageRect kPlayButton = {700, 20, 1000, 60};
constexpr PageRect kOptionsButton = {700, 80, 1000, 120};
constexpr PageRect kQuitButton = {700, 710, 1000, 750};

// The options page: screen sizes in the upper row, colour depths in the
// lower one, and the way back where the main menu has its quit button.
struct ScreenSizeChoice {
    PageRect rect;
    int width, height;
};
constexpr ScreenSizeChoice kScreenSizeChoices[] = {
    {{150, 50, 300, 100}, 640, 480},
    {{350, 50, 500, 100}, 800, 600},
    {{550, 50, 700, 100}, 1024, 768},
    {{750, 50, 900, 100}, 1280, 960},
};
struct ColourDepthChoice {
    PageRect rect;
    int bits;
};
constexpr ColourDepthChoice kColourDepthChoices[] = {
    {{150, 150, 300, 200}, 16},
    {{350, 150, 500, 200}, 24},
    {{550, 150, 700, 200}, 32},
};
constexpr PageRect kBackButton = kQuitButton;
