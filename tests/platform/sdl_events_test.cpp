// The desktop backend's translation of SDL events, checked without a display.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/sdl_events.h"

namespace {

TEST(SdlKeys, MapToWindowsVirtualKeyCodes) {
    const struct {
        SDL_Keycode key;
        int vk;
    } cases[] = {
        // Both ends of each run of codes, and a few keys from the table.
        {SDLK_a, 65},     {SDLK_z, 90},     {SDLK_0, 48},      {SDLK_9, 57},       {SDLK_F1, 112},  {SDLK_F12, 123},
        {SDLK_F13, 124},  {SDLK_KP_1, 97},  {SDLK_KP_9, 105},  {SDLK_KP_0, 96},    {SDLK_LEFT, 37}, {SDLK_DOWN, 40},
        {SDLK_RCTRL, 17}, {SDLK_QUOTE, 222}, {SDLK_KP_ENTER, 13}, {SDLK_UNKNOWN, 0}, {SDLK_MUTE, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::VirtualKeyFor(c.key), c.vk) << SDL_GetKeyName(c.key);
}

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event e{};
    e.type = type, e.key.keysym.sym = key, e.key.keysym.mod = mod, e.key.repeat = repeat;
    return e;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = type, e.button.button = button, e.button.x = x, e.button.y = y;
    return e;
}

SDL_Event Other(Uint32 type, Uint8 windowEvent = 0) {
    SDL_Event e{};
    e.type = type, e.window.event = windowEvent;
    return e;
}

TEST(SdlEvents, TranslateToWindowMessages) {
    using namespace platform;
    const std::vector<long> none;  // not translated
    const struct {
        const char* what;
        SDL_Event event;
        std::vector<long> message;  // {message, wParam, lParam}
    } cases[] = {
        {"key press", Key(SDL_KEYDOWN, SDLK_LEFT), {kMsgKeyDown, 37, 0}},
        {"auto-repeat is another press", Key(SDL_KEYDOWN, SDLK_w, KMOD_NONE, 1), {kMsgKeyDown, 87, 0}},
        {"shifted letter keeps its code", Key(SDL_KEYDOWN, SDLK_e, KMOD_LSHIFT), {kMsgKeyDown, 69, 0}},
        {"key release", Key(SDL_KEYUP, SDLK_ESCAPE), {kMsgKeyUp, 27, 0}},
        {"key without a code", Key(SDL_KEYDOWN, SDLK_MUTE), none},
        {"Alt combination is the system's", Key(SDL_KEYDOWN, SDLK_a, KMOD_LALT), none},
        {"Alt itself", Key(SDL_KEYDOWN, SDLK_LALT), none},
        {"F10 is the system's", Key(SDL_KEYDOWN, SDLK_F10), none},
        {"Alt+F4 closes", Key(SDL_KEYDOWN, SDLK_F4, KMOD_RALT), {kMsgClose, 0, 0}},
        {"F4 alone is a key", Key(SDL_KEYDOWN, SDLK_F4), {kMsgKeyDown, 115, 0}},
        {"left press", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 640, 512), {kMsgLButtonDown, 0, PackPoint(640, 512)}},
        {"left release", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1023, 767), {kMsgLButtonUp, 0, (767L << 16) | 1023L}},
        {"right release", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 0, 0), {kMsgRButtonUp, 0, 0}},
        {"middle button", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 5, 5), none},
        {"focus gained", Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_GAINED), {kMsgActivate, 1, 0}},
        {"focus lost", Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST), {kMsgActivate, 0, 0}},
        {"window closed", Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), {kMsgClose, 0, 0}},
        {"window moved", Other(SDL_WINDOWEVENT, SDL_WINDOWEVENT_MOVED), none},
        {"quit (SIGTERM)", Other(SDL_QUIT), {kMsgClose, 0, 0}},
        {"mouse motion", Other(SDL_MOUSEMOTION), none},
    };
    for (const auto& c : cases) {
        Message msg{0xDEAD, 0, 0};
        ASSERT_EQ(TranslateEvent(c.event, &msg), !c.message.empty()) << c.what;
        if (!c.message.empty()) {
            EXPECT_EQ((std::vector<long>{long(msg.message), long(msg.wParam), msg.lParam}), c.message) << c.what;
        }
    }
}

}  // namespace
