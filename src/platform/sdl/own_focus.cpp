#include "own_focus.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {

namespace {
// Whether `inner` is `outer` or lies inside it.
bool WithinWindow(Display* display, Window inner, Window outer) {
    for (int depth = 0; inner != None && depth < 32; ++depth) {
        if (inner == outer) return true;
        Window root = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, inner, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (inner == root) return false;
        inner = parent;
    }
    return false;
}
}  // namespace

FocusHolder WhoHoldsFocus(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return FocusHolder::kOther;
    Display* display = info.info.x11.display;
    const Window own = info.info.x11.window;
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus == None || focus == PointerRoot || focus == DefaultRootWindow(display)) return FocusHolder::kNobody;
    if (WithinWindow(display, focus, own)) return FocusHolder::kGame;
    Window owner = None;
    return XGetTransientForHint(display, focus, &owner) && owner == own ? FocusHolder::kGame : FocusHolder::kOther;
}

}  // namespace platform
