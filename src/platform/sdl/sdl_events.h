// Translation of SDL events into the window messages the game handles.
// Pure functions: they need no display, so they are tested on their own.
#pragma once

#include <SDL.h>

#include "platform/platform.h"

namespace platform {

// The Windows virtual-key code of an SDL key (letters as their upper-case
// codes, whatever the case typed); 0 for keys that have none.
int VirtualKeyFor(SDL_Keycode key);

// The message for one SDL event; false when the event means nothing to the
// game (mouse motion, the middle button, system keys, ...).
bool TranslateEvent(const SDL_Event& event, Message* msg);

}  // namespace platform
