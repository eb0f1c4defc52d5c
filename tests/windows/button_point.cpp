// Prints the screen pixel in the middle of one of the game's buttons, for the
// scripts that click them on a real screen.
//   button_point WIDTH HEIGHT play|options|quit|back|<W>x<H>|<bits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "button_names.h"

int main(int argc, char** argv) {
    const PageRect* button = argc == 4 ? FindButton(argv[3]) : nullptr;
    const int width = argc == 4 ? std::atoi(argv[1]) : 0;
    const int height = argc == 4 ? std::atoi(argv[2]) : 0;
    if (!button || width <= 0 || height <= 0) {
        std::fprintf(stderr, "usage: button_point WIDTH HEIGHT play|options|quit|back|<W>x<H>|<bits>\n");
        return 2;
    }
    // The window procedure scales a client pixel p to page space as
    // p * kPageWidth / width; the middle of a button survives the round trip.
    std::printf("%d %d\n", (button->x1 + button->x2) / 2 * width / kPageWidth,
                (button->y1 + button->y2) / 2 * height / kPageHeight);
    return 0;
}
