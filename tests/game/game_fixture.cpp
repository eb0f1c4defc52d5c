#include "game_fixture.h"

int LitPixels(const platform::Frame& f) {
    int lit = 0;
    for (size_t i = 0; i < f.rgba.size(); i += 4) lit += (f.rgba[i] | f.rgba[i + 1] | f.rgba[i + 2]) != 0;
    return lit;
}
