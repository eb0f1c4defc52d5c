// A button rectangle in page coordinates (1024 by 768, origin top-left,
// y down). A point counts only strictly inside: a click on a bound misses.
#pragma once

struct PageRect {
    int x1, y1, x2, y2;

    bool Contains(int x, int y) const { return x > x1 && x < x2 && y > y1 && y < y2; }
};
