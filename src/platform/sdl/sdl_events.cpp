#include "sdl_events.h"

namespace platform {

namespace {
struct KeyCode {
    SDL_Keycode key;
    int vk;
};

// Keys outside the contiguous runs handled in VirtualKeyFor. Left and right
// modifier keys share one code, as the window procedure receives them.
const KeyCode kKeyTable[] = {
    {SDLK_BACKSPACE, 8}, {SDLK_TAB, 9},           {SDLK_RETURN, 13},     {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},   {SDLK_RSHIFT, 16},       {SDLK_LCTRL, 17},      {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},     {SDLK_RALT, 18},         {SDLK_PAUSE, 19},      {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},   {SDLK_SPACE, 32},        {SDLK_PAGEUP, 33},     {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},      {SDLK_HOME, 36},         {SDLK_LEFT, 37},       {SDLK_UP, 38},
    {SDLK_RIGHT, 39},    {SDLK_DOWN, 40},         {SDLK_PRINTSCREEN, 44}, {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},   {SDLK_LGUI, 91},         {SDLK_RGUI, 92},       {SDLK_APPLICATION, 93},
    {SDLK_KP_0, 96},     {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},   {SDLK_KP_MINUS, 109},
    {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111}, {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145},
    {SDLK_SEMICOLON, 186}, {SDLK_EQUALS, 187},    {SDLK_COMMA, 188},     {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},  {SDLK_SLASH, 191},       {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

const int kVkF1 = 112;
const int kVkNumpad1 = 97;
const int kVkF10 = 121;

// Keys the system keeps for itself: Alt, and F10, which opens the menu bar.
bool IsSystemKey(SDL_Keycode key, Uint16 modifiers) {
    return (modifiers & KMOD_ALT) != 0 || key == SDLK_LALT || key == SDLK_RALT || VirtualKeyFor(key) == kVkF10;
}

bool TranslateKey(const SDL_KeyboardEvent& event, Message* msg) {
    const SDL_Keycode key = event.keysym.sym;
    // Alt+F4 closes the window even where no window manager does it.
    if (event.type == SDL_KEYDOWN && key == SDLK_F4 && (event.keysym.mod & KMOD_ALT)) {
        *msg = {kMsgClose, 0, 0};
        return true;
    }
    if (IsSystemKey(key, event.keysym.mod)) return false;
    const int vk = VirtualKeyFor(key);
    if (vk == 0) return false;
    // An auto-repeated press is one more key-down, as the game expects.
    *msg = {event.type == SDL_KEYDOWN ? kMsgKeyDown : kMsgKeyUp, static_cast<unsigned long>(vk), 0};
    return true;
}

bool TranslateButton(const SDL_MouseButtonEvent& event, Message* msg) {
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    unsigned message;
    if (event.button == SDL_BUTTON_LEFT) {
        message = down ? kMsgLButtonDown : kMsgLButtonUp;
    } else if (event.button == SDL_BUTTON_RIGHT) {
        message = down ? kMsgRButtonDown : kMsgRButtonUp;
    } else {
        return false;
    }
    *msg = {message, 0, PackPoint(event.x, event.y)};
    return true;
}

bool TranslateWindowEvent(const SDL_WindowEvent& event, Message* msg) {
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: *msg = {kMsgActivate, 1, 0}; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: *msg = {kMsgActivate, 0, 0}; return true;
        case SDL_WINDOWEVENT_CLOSE: *msg = {kMsgClose, 0, 0}; return true;
        default: return false;
    }
}
}  // namespace

int VirtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return kVkF1 + (key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F24) return kVkF1 + 12 + (key - SDLK_F13);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return kVkNumpad1 + (key - SDLK_KP_1);
    for (const KeyCode& entry : kKeyTable) {
        if (entry.key == key) return entry.vk;
    }
    return 0;
}

bool TranslateEvent(const SDL_Event& event, Message* msg) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: return TranslateKey(event.key, msg);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: return TranslateButton(event.button, msg);
        case SDL_WINDOWEVENT: return TranslateWindowEvent(event.window, msg);
        // SIGTERM and SIGINT arrive as SDL_QUIT: the game closes as if its
        // window were closed, saving its settings.
        case SDL_QUIT: *msg = {kMsgClose, 0, 0}; return true;
        default: return false;
    }
}

}  // namespace platform
