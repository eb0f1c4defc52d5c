#include "sdl_platform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/depth_sizes.h"
#include "platform/display_modes.h"
#include "platform/linux/glyph_lists.h"
#include "own_focus.h"
#include "sdl_events.h"

// Bits per pixel are SDL_BITSPERPIXEL of a mode's pixel format, taken as the
// display reports them: the usual true-colour X11 format (XRGB8888) counts
// as 24 and only a format with alpha as 32. The desktop mode is described
// the same way, so the defaults taken from it always match an offered mode,
// while a 32-bit choice on such a display is refused like any mode the
// display does not have.

namespace platform {

namespace {
const int kDisplay = 0;  // the primary display

DisplayMode Describe(const SDL_DisplayMode& mode) {
    return {mode.w, mode.h, static_cast<int>(SDL_BITSPERPIXEL(mode.format))};
}

// Without a display SDL falls back to drivers that draw nowhere; the game
// would then run unseen and never end. Those count only when asked for.
bool HasRealDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool invisible = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    if (invisible && !SDL_getenv("SDL_VIDEODRIVER")) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_SetError("no window system found");
        return false;
    }
    return true;
}

void RequestColorBits(int colorBits) {
    const bool highColor = colorBits > 0 && colorBits <= 16;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, highColor ? 5 : 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, highColor ? 6 : 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, highColor ? 5 : 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}
}  // namespace

SdlPlatform::SdlPlatform() {
    // The window procedure minimises the window and gives the desktop its
    // mode back when the game loses the focus; SDL must not do it as well.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Closing the window is one close message, not a close and a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Without capture, a button released outside the window is not a click.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // Docks match the window to its menu entry by the window's class, which
    // this SDL takes from the environment only; a player's own choice stays.
    setenv("SDL_VIDEO_X11_WMCLASS", TRAMOX_APP_ID, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", TRAMOX_APP_ID, 0);
    videoReady_ = SDL_Init(SDL_INIT_VIDEO) == 0 && HasRealDisplay();
    if (!videoReady_) std::fprintf(stderr, "tramox: no display to show the game on: %s\n", SDL_GetError());
}

// Destroying the full-screen window gives the display its desktop mode
// back. SDL_Quit is left out on purpose: the process ends right after, and
// closing the display connection unloads the GL driver, whose memory the
// leak checker would then report without being able to say whose it is.
SdlPlatform::~SdlPlatform() {
    DeleteContext();
    DestroyWindowNow();
}

bool SdlPlatform::QueryCurrentMode(DisplayMode* mode) {
    SDL_DisplayMode desktop;
    if (!videoReady_ || SDL_GetDesktopDisplayMode(kDisplay, &desktop) != 0) return false;
    *mode = Describe(desktop);
    return true;
}

bool SdlPlatform::ChangeMode(const DisplayMode& mode) {
    if (!videoReady_) return false;
    // The desktop's own mode counts as offered even where a driver lists no
    // modes at all.
    std::vector<SDL_DisplayMode> sdlModes;
    SDL_DisplayMode candidate;
    for (int i = 0, n = SDL_GetNumDisplayModes(kDisplay); i < n; ++i) {
        if (SDL_GetDisplayMode(kDisplay, i, &candidate) == 0) sdlModes.push_back(candidate);
    }
    if (SDL_GetDesktopDisplayMode(kDisplay, &candidate) == 0) sdlModes.push_back(candidate);

    std::vector<DisplayMode> offered;
    for (const SDL_DisplayMode& sdlMode : sdlModes) offered.push_back(Describe(sdlMode));
    const int index = FindMode(offered, mode);
    if (index < 0) return false;
    gameMode_ = sdlModes[index];
    haveGameMode_ = true;
    if (window_ && !destroyPending_) EnterFullScreen();
    return true;
}

void SdlPlatform::EnterFullScreen() {
    SDL_SetWindowDisplayMode(window_, haveGameMode_ ? &gameMode_ : nullptr);
    SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN);
}

void SdlPlatform::RestoreDesktopMode() {
    // Leaving full-screen gives the display its desktop mode back; the
    // window stays, borderless, until it is destroyed.
    if (window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN)) SDL_SetWindowFullscreen(window_, 0);
}

bool SdlPlatform::CreateGameWindow(const char* title, int width, int height) {
    if (!videoReady_ || window_ || width <= 0 || height <= 0) return false;
    title_ = title ? title : "";
    width_ = width;
    height_ = height;
    windowRequested_ = true;
    return true;
}

bool SdlPlatform::SetPixelFormat(int colorBits, int depthBits) {
    if (!windowRequested_ || window_) return false;
    RequestColorBits(colorBits);
    // Depth sizes a driver lacks make window creation fail; the next size
    // is tried before giving up.
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_HIDDEN;
    for (int depth : DepthPreference(depthBits)) {
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth);
        window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, width_, height_, flags);
        if (window_) break;
    }
    if (!window_) {
        std::fprintf(stderr, "tramox: no window with a fitting pixel format: %s\n", SDL_GetError());
        return false;
    }
    if (haveGameMode_) SDL_SetWindowDisplayMode(window_, &gameMode_);
    // Showing a full-screen window switches the display to its mode. The
    // cursor is left as SDL shows it: visible.
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    return true;
}

bool SdlPlatform::CreateContext() {
    if (!window_ || context_) return false;
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) std::fprintf(stderr, "tramox: no OpenGL context: %s\n", SDL_GetError());
    return context_ != nullptr;
}

void SdlPlatform::MakeContextCurrent(bool current) {
    if (!context_) return;
    SDL_GL_MakeCurrent(window_, current ? context_ : nullptr);
}

void SdlPlatform::DeleteContext() {
    if (!context_) return;
    SDL_GL_MakeCurrent(window_, nullptr);
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
    if (destroyPending_) DestroyWindowNow();
}

void SdlPlatform::DestroyGameWindow() {
    windowRequested_ = false;
    if (!window_) return;
    if (context_) {
        SDL_HideWindow(window_);
        destroyPending_ = true;
    } else {
        DestroyWindowNow();
    }
}

void SdlPlatform::DestroyWindowNow() {
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    destroyPending_ = false;
}

void SdlPlatform::ShowWindowNormal() {
    if (!window_ || destroyPending_) return;
    SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
}

void SdlPlatform::MinimizeWindow() {
    if (window_ && !destroyPending_) SDL_MinimizeWindow(window_);
}

void SdlPlatform::SwapBuffers() {
    if (window_ && context_ && !destroyPending_) SDL_GL_SwapWindow(window_);
}

bool SdlPlatform::PollMessage(Message* msg) {
    SDL_Event event;
    SettleFocusLoss();
    while (queue_.empty() && SDL_PollEvent(&event)) {
        Message translated;
        if (TranslateEvent(event, &translated) && !HoldFocusLoss(translated)) queue_.push_back(translated);
    }
    if (queue_.empty()) return false;
    *msg = queue_.front();
    queue_.pop_front();
    return true;
}

// A focus loss is the player's only when the focus went to another
// program. The window manager may pass it through no window, or its own,
// on the way back from the game's message box, so a loss waits a moment and
// is dropped when the focus is back with the game or a window of its own.
// Resting on no window, it waits longer: a loaded window manager can take
// more than a second to hand it back.
bool SdlPlatform::HoldFocusLoss(const Message& msg) {
    if (msg.message != kMsgActivate) return false;
    focusLossSince_ = msg.wParam == 0 ? SDL_GetTicks() | 1 : 0;
    return msg.wParam == 0;
}

void SdlPlatform::SettleFocusLoss() {
    const Uint32 kSettleMs = 1000, kSettleOnNobodyMs = 5000;
    if (focusLossSince_ == 0) return;
    const FocusHolder holder = WhoHoldsFocus(window_);
    const Uint32 waited = SDL_GetTicks() - focusLossSince_;
    if (holder == FocusHolder::kOther && waited < kSettleMs) return;
    if (holder == FocusHolder::kNobody && waited < kSettleOnNobodyMs) return;
    focusLossSince_ = 0;
    if (holder != FocusHolder::kGame) queue_.push_back({kMsgActivate, 0, 0});
}

void SdlPlatform::QueueMessage(const Message& msg) {
    queue_.push_back(msg);
}

long SdlPlatform::Milliseconds() {
    using namespace std::chrono;
    return static_cast<long>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SdlPlatform::Sleep(unsigned long ms) {
    SDL_Delay(static_cast<Uint32>(ms));
}

long SdlPlatform::CalendarSeconds() {
    return static_cast<long>(std::time(nullptr));
}

void SdlPlatform::ShowMessageBox(const char* text, const char* caption) {
    SDL_Window* owner = window_ && !destroyPending_ ? window_ : nullptr;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, owner) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
    // The focus goes back to the game, as a closed dialog gives it back to
    // its owner; a window manager may otherwise leave it on no window.
    if (owner) SDL_RaiseWindow(owner);
}

void SdlPlatform::ExitProcess(int status) {
    // The display gets its desktop mode back before the process goes.
    DeleteContext();
    DestroyWindowNow();
    std::exit(status);
}

bool SdlPlatform::BuildGlyphLists(unsigned base, int firstChar, int count) {
    return BuildGlyphListsFromSystemFont(base, firstChar, count);
}

void SdlPlatform::PlaySoundFile(const char* path, bool async) {
    audio_.Play(path, !async);
}

}  // namespace platform
