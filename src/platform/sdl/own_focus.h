// Where the keyboard focus is after the game's window lost it. SDL's
// message box takes it while it stands and hands it back when it closes;
// that must not count as the player leaving the game.
#pragma once

#include <SDL.h>

namespace platform {

enum class FocusHolder {
    kGame,     // `window`, a window inside it, or a dialog transient for it
    kNobody,   // no window: a window manager passing it on
    kOther,    // another window, or it cannot be told (not X11)
};
FocusHolder WhoHoldsFocus(SDL_Window* window);

}  // namespace platform
