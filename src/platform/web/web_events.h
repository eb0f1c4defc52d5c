// Translation of the page's DOM events into the window messages the game
// handles. Pure functions: the native tests check them without a browser.
#pragma once

#include <string>

#include "platform/platform.h"

namespace platform {

// What the page's listeners record of one DOM event.
struct DomEvent {
    enum Kind { kKeyDown, kKeyUp, kMouseDown, kMouseUp, kShown, kHidden };
    Kind kind = kKeyDown;
    std::string key;   // KeyboardEvent.key: "a", "A", "ArrowLeft", "Escape", ...
    std::string code;  // KeyboardEvent.code: "KeyA", "Numpad1", ...
    bool alt = false;
    int button = 0;    // MouseEvent.button: 0 left, 1 middle, 2 right
    int x = 0, y = 0;  // the pointer in the drawing buffer's pixels
};

// The Windows virtual-key code of a key (letters as their upper-case codes,
// whatever the case typed; the number pad by its own codes); 0 for keys
// that have none.
int VirtualKeyFor(const std::string& key, const std::string& code);

// The message for one event; false when it means nothing to the game (the
// middle button, Alt and the keys held with it, F10, unknown keys).
bool TranslateDomEvent(const DomEvent& event, Message* msg);

}  // namespace platform
