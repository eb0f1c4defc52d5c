// The game's buttons by the names the test scripts use: play, options, quit,
// back, a screen size as <W>x<H> and a colour depth as its bits.
#pragma once

#include <string>

#include "MenuPages/pagelayout.h"

// The button's rectangle in page space; null for a name that is none.
inline const PageRect* FindButton(const std::string& name) {
    if (name == "play") return &kPlayButton;
    if (name == "options") return &kOptionsButton;
    if (name == "quit") return &kQuitButton;
    if (name == "back") return &kBackButton;
    for (const ScreenSizeChoice& size : kScreenSizeChoices) {
        if (name == std::to_string(size.width) + "x" + std::to_string(size.height)) return &size.rect;
    }
    for (const ColourDepthChoice& depth : kColourDepthChoices) {
        if (name == std::to_string(depth.bits)) return &depth.rect;
    }
    return nullptr;
}
