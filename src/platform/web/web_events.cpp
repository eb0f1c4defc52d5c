#include "web_events.h"

namespace platform {

namespace {
struct KeyCode {
    const char* name;
    int vk;
};

// Named keys, by KeyboardEvent.key. Left and right modifier keys share one
// code, as the window procedure receives them.
const KeyCode kNamedKeys[] = {
    {"Backspace", 8},   {"Tab", 9},         {"Enter", 13},       {"Shift", 16},        {"Control", 17},
    {"Alt", 18},        {"Pause", 19},      {"CapsLock", 20},    {"Escape", 27},       {" ", 32},
    {"PageUp", 33},     {"PageDown", 34},   {"End", 35},         {"Home", 36},         {"ArrowLeft", 37},
    {"ArrowUp", 38},    {"ArrowRight", 39}, {"ArrowDown", 40},   {"PrintScreen", 44},  {"Insert", 45},
    {"Delete", 46},     {"Meta", 91},       {"ContextMenu", 93}, {"NumLock", 144},     {"ScrollLock", 145},
};

// Keys whose character depends on Shift and the layout, by
// KeyboardEvent.code, so that ';' and ':' are one key as on the desktop.
const KeyCode kPunctuation[] = {
    {"Semicolon", 186}, {"Equal", 187},        {"Comma", 188},     {"Minus", 189},     {"Period", 190},
    {"Slash", 191},     {"Backquote", 192},    {"BracketLeft", 219}, {"Backslash", 220}, {"BracketRight", 221},
    {"Quote", 222},
};

// The number pad by KeyboardEvent.code: its digits are not the row's.
const KeyCode kNumberPad[] = {
    {"NumpadMultiply", 106}, {"NumpadAdd", 107}, {"NumpadSubtract", 109}, {"NumpadDecimal", 110},
    {"NumpadDivide", 111},   {"NumpadEnter", 13},
};

const int kVkF1 = 112;
const int kVkF10 = 121;
const int kVkNumpad0 = 96;

int Find(const KeyCode* table, size_t size, const std::string& name) {
    for (size_t i = 0; i < size; ++i) {
        if (name == table[i].name) return table[i].vk;
    }
    return 0;
}

// "F1" .. "F24" as 1 .. 24; 0 for anything else.
int FunctionKeyNumber(const std::string& key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return 0;
    int number = 0;
    for (size_t i = 1; i < key.size(); ++i) {
        if (key[i] < '0' || key[i] > '9') return 0;
        number = number * 10 + (key[i] - '0');
    }
    return number >= 1 && number <= 24 ? number : 0;
}

int Button(int domButton, bool down) {
    if (domButton == 0) return down ? kMsgLButtonDown : kMsgLButtonUp;
    if (domButton == 2) return down ? kMsgRButtonDown : kMsgRButtonUp;
    return 0;
}
}  // namespace

int VirtualKeyFor(const std::string& key, const std::string& code) {
    if (code.size() == 7 && code.compare(0, 6, "Numpad") == 0 && code[6] >= '0' && code[6] <= '9') {
        return kVkNumpad0 + (code[6] - '0');
    }
    if (int vk = Find(kNumberPad, sizeof kNumberPad / sizeof kNumberPad[0], code)) return vk;
    if (key.size() == 1) {
        const char c = key[0];
        if (c >= 'a' && c <= 'z') return 'A' + (c - 'a');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    }
    if (int number = FunctionKeyNumber(key)) return kVkF1 + number - 1;
    if (int vk = Find(kNamedKeys, sizeof kNamedKeys / sizeof kNamedKeys[0], key)) return vk;
    // Shifted digits (a '!' on the 1 key) count as the digit, as SDL's do.
    if (code.size() == 6 && code.compare(0, 5, "Digit") == 0) return code[5];
    return Find(kPunctuation, sizeof kPunctuation / sizeof kPunctuation[0], code);
}

bool TranslateDomEvent(const DomEvent& event, Message* msg) {
    switch (event.kind) {
        case DomEvent::kKeyDown:
        case DomEvent::kKeyUp: {
            const int vk = VirtualKeyFor(event.key, event.code);
            // Keys the system keeps for itself: Alt and what is held with
            // it, and F10, which opens the menu bar.
            if (vk == 0 || event.alt || event.key == "Alt" || vk == kVkF10) return false;
            // An auto-repeated press is one more key-down, as the game expects.
            *msg = {event.kind == DomEvent::kKeyDown ? kMsgKeyDown : kMsgKeyUp, static_cast<unsigned long>(vk), 0};
            return true;
        }
        case DomEvent::kMouseDown:
        case DomEvent::kMouseUp: {
            const int message = Button(event.button, event.kind == DomEvent::kMouseDown);
            if (message == 0) return false;
            *msg = {static_cast<unsigned>(message), 0, PackPoint(event.x, event.y)};
            return true;
        }
        case DomEvent::kShown: *msg = {kMsgActivate, 1, 0}; return true;
        case DomEvent::kHidden: *msg = {kMsgActivate, 0, 0}; return true;
    }
    return false;
}

}  // namespace platform
