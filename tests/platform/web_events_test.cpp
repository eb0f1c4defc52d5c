// The browser backend's translation of DOM events, checked without a browser.
#include <gtest/gtest.h>

#include <vector>

#include "platform/web/web_events.h"

namespace {

using platform::DomEvent;

TEST(WebKeys, MapToWindowsVirtualKeyCodes) {
    const struct {
        const char* key;
        const char* code;
        int vk;
    } cases[] = {
        // Letters whatever the case, both ends of the digit and F-key runs.
        {"a", "KeyA", 65}, {"Z", "KeyZ", 90}, {"0", "Digit0", 48}, {"9", "Digit9", 57},
        {"F1", "F1", 112}, {"F12", "F12", 123}, {"F13", "F13", 124}, {"F24", "F24", 135}, {"F25", "", 0},
        // The game's keys.
        {"ArrowLeft", "ArrowLeft", 37}, {"ArrowUp", "ArrowUp", 38}, {"ArrowRight", "ArrowRight", 39},
        {"ArrowDown", "ArrowDown", 40}, {"Escape", "Escape", 27}, {" ", "Space", 32},
        // The number pad by its place, with Num Lock on or off.
        {"1", "Numpad1", 97}, {"End", "Numpad1", 97}, {"0", "Numpad0", 96}, {"Enter", "NumpadEnter", 13},
        {"*", "NumpadMultiply", 106},
        // Shifted keys as their unshifted key; modifiers by their shared code.
        {"!", "Digit1", 49}, {":", "Semicolon", 186}, {"?", "Slash", 191}, {"Shift", "ShiftRight", 16},
        {"Control", "ControlLeft", 17},
        // Keys that have no code.
        {"AudioVolumeMute", "AudioVolumeMute", 0}, {"Dead", "BracketLeft", 219}, {"é", "", 0}, {"", "", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::VirtualKeyFor(c.key, c.code), c.vk) << c.key << " " << c.code;
}

DomEvent Key(DomEvent::Kind kind, const char* key, const char* code, bool alt = false) {
    DomEvent e;
    e.kind = kind, e.key = key, e.code = code, e.alt = alt;
    return e;
}

DomEvent Button(DomEvent::Kind kind, int button, int x, int y) {
    DomEvent e;
    e.kind = kind, e.button = button, e.x = x, e.y = y;
    return e;
}

DomEvent Visibility(DomEvent::Kind kind) {
    DomEvent e;
    e.kind = kind;
    return e;
}

TEST(WebEvents, TranslateToWindowMessages) {
    using namespace platform;
    const std::vector<long> none;  // not translated
    const struct {
        const char* what;
        DomEvent event;
        std::vector<long> message;  // {message, wParam, lParam}
    } cases[] = {
        {"key press", Key(DomEvent::kKeyDown, "ArrowLeft", "ArrowLeft"), {kMsgKeyDown, 37, 0}},
        {"shifted letter keeps its code", Key(DomEvent::kKeyDown, "E", "KeyE"), {kMsgKeyDown, 69, 0}},
        {"key release", Key(DomEvent::kKeyUp, "Escape", "Escape"), {kMsgKeyUp, 27, 0}},
        {"key without a code", Key(DomEvent::kKeyDown, "AudioVolumeMute", "AudioVolumeMute"), none},
        {"Alt combination is the system's", Key(DomEvent::kKeyDown, "a", "KeyA", true), none},
        {"Alt itself", Key(DomEvent::kKeyDown, "Alt", "AltLeft", true), none},
        {"F10 is the system's", Key(DomEvent::kKeyDown, "F10", "F10"), none},
        {"left press", Button(DomEvent::kMouseDown, 0, 640, 512), {kMsgLButtonDown, 0, PackPoint(640, 512)}},
        {"left release at the far corner", Button(DomEvent::kMouseUp, 0, 1023, 767), {kMsgLButtonUp, 0, (767L << 16) | 1023L}},
        {"right press", Button(DomEvent::kMouseDown, 2, 3, 4), {kMsgRButtonDown, 0, PackPoint(3, 4)}},
        {"right release", Button(DomEvent::kMouseUp, 2, 0, 0), {kMsgRButtonUp, 0, 0}},
        {"middle button", Button(DomEvent::kMouseDown, 1, 5, 5), none},
        {"back button", Button(DomEvent::kMouseUp, 3, 5, 5), none},
        {"page shown", Visibility(DomEvent::kShown), {kMsgActivate, 1, 0}},
        {"page hidden", Visibility(DomEvent::kHidden), {kMsgActivate, 0, 0}},
    };
    for (const auto& c : cases) {
        Message msg;
        const bool translated = TranslateDomEvent(c.event, &msg);
        ASSERT_EQ(translated, !c.message.empty()) << c.what;
        if (!translated) continue;
        EXPECT_EQ(static_cast<long>(msg.message), c.message[0]) << c.what;
        EXPECT_EQ(static_cast<long>(msg.wParam), c.message[1]) << c.what;
        EXPECT_EQ(msg.lParam, c.message[2]) << c.what;
    }
}

}  // namespace
