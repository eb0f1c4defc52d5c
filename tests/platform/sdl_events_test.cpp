// The desktop backend's translation of SDL events, checked without a display.
#include <gtest/gtest.h>

#include "platform/sdl/sdl_events.h"

using platform::Message;
using platform::TranslateEvent;
using platform::VirtualKeyFor;

namespace {

TEST(SdlKeys, MapToWindowsVirtualKeyCodes) {
    const struct {
        SDL_Keycode key;
        int vk;
    } cases[] = {
        {SDLK_ESCAPE, 27}, {SDLK_LEFT, 37},   {SDLK_UP, 38},     {SDLK_RIGHT, 39},  {SDLK_DOWN, 40},
        {SDLK_a, 65},      {SDLK_d, 68},      {SDLK_q, 81},      {SDLK_w, 87},      {SDLK_z, 90},
        {SDLK_0, 48},      {SDLK_9, 57},      {SDLK_SPACE, 32},  {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13},
        {SDLK_F1, 112},    {SDLK_F12, 123},   {SDLK_F13, 124},   {SDLK_KP_0, 96},   {SDLK_KP_1, 97},
        {SDLK_KP_9, 105},  {SDLK_LSHIFT, 16}, {SDLK_RCTRL, 17},  {SDLK_MINUS, 189}, {SDLK_QUOTE, 222},
        {SDLK_UNKNOWN, 0}, {SDLK_MUTE, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(VirtualKeyFor(c.key), c.vk) << SDL_GetKeyName(c.key);
}

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    return event;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event Window(Uint8 what) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

SDL_Event Plain(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    return event;
}

TEST(SdlEvents, TranslateToWindowMessages) {
    const struct {
        const char* what;
        SDL_Event event;
        bool translated;
        Message expected;
    } cases[] = {
        {"key press", Key(SDL_KEYDOWN, SDLK_LEFT), true, {platform::kMsgKeyDown, 37, 0}},
        {"auto-repeat is another press", Key(SDL_KEYDOWN, SDLK_w, KMOD_NONE, 1), true, {platform::kMsgKeyDown, 87, 0}},
        {"shifted letter keeps its code", Key(SDL_KEYDOWN, SDLK_e, KMOD_LSHIFT), true, {platform::kMsgKeyDown, 69, 0}},
        {"key release", Key(SDL_KEYUP, SDLK_ESCAPE), true, {platform::kMsgKeyUp, 27, 0}},
        {"key without a code", Key(SDL_KEYDOWN, SDLK_MUTE), false, {}},
        {"Alt combination is the system's", Key(SDL_KEYDOWN, SDLK_a, KMOD_LALT), false, {}},
        {"Alt itself", Key(SDL_KEYDOWN, SDLK_LALT), false, {}},
        {"F10 is the system's", Key(SDL_KEYDOWN, SDLK_F10), false, {}},
        {"Alt+F4 closes", Key(SDL_KEYDOWN, SDLK_F4, KMOD_RALT), true, {platform::kMsgClose, 0, 0}},
        {"F4 alone is a key", Key(SDL_KEYDOWN, SDLK_F4), true, {platform::kMsgKeyDown, 115, 0}},
        {"left press", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 640, 512), true,
         {platform::kMsgLButtonDown, 0, platform::PackPoint(640, 512)}},
        {"left release", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1023, 767), true,
         {platform::kMsgLButtonUp, 0, (767L << 16) | 1023L}},
        {"right press", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2), true,
         {platform::kMsgRButtonDown, 0, platform::PackPoint(1, 2)}},
        {"right release", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 0, 0), true, {platform::kMsgRButtonUp, 0, 0}},
        {"middle button", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 5, 5), false, {}},
        {"focus gained", Window(SDL_WINDOWEVENT_FOCUS_GAINED), true, {platform::kMsgActivate, 1, 0}},
        {"focus lost", Window(SDL_WINDOWEVENT_FOCUS_LOST), true, {platform::kMsgActivate, 0, 0}},
        {"window closed", Window(SDL_WINDOWEVENT_CLOSE), true, {platform::kMsgClose, 0, 0}},
        {"window moved", Window(SDL_WINDOWEVENT_MOVED), false, {}},
        {"quit (SIGTERM)", Plain(SDL_QUIT), true, {platform::kMsgClose, 0, 0}},
        {"mouse motion", Plain(SDL_MOUSEMOTION), false, {}},
        {"text input", Plain(SDL_TEXTINPUT), false, {}},
    };
    for (const auto& c : cases) {
        Message msg{0xDEAD, 0, 0};
        ASSERT_EQ(TranslateEvent(c.event, &msg), c.translated) << c.what;
        if (!c.translated) continue;
        EXPECT_EQ(msg.message, c.expected.message) << c.what;
        EXPECT_EQ(msg.wParam, c.expected.wParam) << c.what;
        EXPECT_EQ(msg.lParam, c.expected.lParam) << c.what;
    }
}

}  // namespace
