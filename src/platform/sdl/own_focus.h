// Where the keyboard focus is after the game's window lost it. SDL's
// message box takes it while it stands and hands it back when it closes;
// that must not count as the player leaving the game.
#pragma once

#include <SDL.h>

namespace platform {

// True when the focus is on `window`, inside it, or on a dialog transient
// for it; false when it is elsewhere or cannot be told (not X11).
bool FocusIsOnOwnWindow(SDL_Window* window);

}  // namespace platform
