#include "proc.h"

#include "MenuPages/pagebase.h"
#include "MenuPages/pagelayout.h"
#include "globals.h"
#include "platform/platform.h"
#include "program.h"

namespace {
// The platform keeps the real window and context; the handles only say
// whether they exist, so they point at these.
char windowTag, deviceContextTag, renderContextTag;

int ScaleToPage(unsigned pixel, int screenExtent, int pageExtent) {
    return screenExtent > 0 ? static_cast<int>(pixel * static_cast<unsigned>(pageExtent) / screenExtent) : 0;
}

// Input goes to the page being run; there is none during start-up.
void ForwardMouse(unsigned msg, long lParam) {
    unsigned long packed = static_cast<unsigned long>(lParam);
    int x = ScaleToPage(packed & 0xFFFF, ScreenWidth, kPageWidth);
    int y = ScaleToPage((packed >> 16) & 0xFFFF, ScreenHeight, kPageHeight);
    switch (msg) {
        case WM_LBUTTONDOWN: currentPage->MouseDown(x, y, 0); break;
        case WM_RBUTTONDOWN: currentPage->MouseDown(x, y, 1); break;
        case WM_LBUTTONUP: currentPage->MouseUp(x, y, 0); break;
        case WM_RBUTTONUP: currentPage->MouseUp(x, y, 1); break;
    }
}
}  // namespace

int ChangeToFullScreen() {
    platform::DisplayMode mode;
    if (!platform::Current().QueryCurrentMode(&mode)) return 0;
    mode.width = ScreenWidth;
    mode.height = ScreenHeight;
    mode.bitsPerPixel = ScreenColor;
    return platform::Current().ChangeMode(mode) ? 1 : 0;
}

void ChangeToDesktop() {
    platform::Current().RestoreDesktopMode();
}

int InitOpenGL() {
    platform::Platform& os = platform::Current();
    if (!ChangeToFullScreen()) return 0;

    if (!os.CreateGameWindow("Tramox", ScreenWidth, ScreenHeight)) return 0;
    hWnd = reinterpret_cast<HWND>(&windowTag);
    os.ShowWindowNormal();
    hDC = reinterpret_cast<HDC>(&deviceContextTag);

    // The depth buffer asks for as many bits as the colour depth.
    if (!os.SetPixelFormat(ScreenColor, ScreenColor)) return 0;
    // Without a context nothing could be drawn, so that is a failed start too.
    if (!os.CreateContext()) return 0;
    hRC = reinterpret_cast<HGLRC>(&renderContextTag);
    os.MakeContextCurrent(true);
    return 1;
}

void CloseOpenGL() {
    platform::Platform& os = platform::Current();
    if (hRC) {
        os.MakeContextCurrent(false);
        os.DeleteContext();
        hRC = nullptr;
    }
    hDC = nullptr;
    ChangeToDesktop();
}

void TearDownOpenGL() {
    CloseOpenGL();
    if (hWnd) {
        platform::Current().DestroyGameWindow();
        hWnd = nullptr;
    }
}

void UpdateGLWindow() {
    platform::Message msg;
    while (platform::Current().PollMessage(&msg)) WndProc(hWnd, msg.message, msg.wParam, msg.lParam);
}

void SwapGLBuffers() {
    platform::Current().SwapBuffers();
}

long WndProc(HWND hwnd, unsigned msg, unsigned long wParam, long lParam) {
    platform::Platform& os = platform::Current();
    switch (msg) {
        case WM_ACTIVATE:
            if (wParam & 0xFFFF) {
                os.ShowWindowNormal();
                ChangeToFullScreen();
            } else {
                os.MinimizeWindow();
                ChangeToDesktop();
            }
            return 0;
        case WM_CLOSE:
            // A second close finds no window left to destroy.
            if (hWnd) {
                os.DestroyGameWindow();
                hWnd = nullptr;
                WndProc(hwnd, WM_DESTROY, 0, 0);
            }
            GameRunning = 0;
            if (currentPage) currentPage->finishRun = 1;
            return 0;
        case WM_DESTROY: {
            platform::Message quit;
            quit.message = WM_QUIT;
            os.QueueMessage(quit);
            return 0;
        }
        case WM_ENDSESSION:
            // wParam is zero when the session goes on after all.
            if (wParam) EndSession();
            return 0;
        case WM_KEYDOWN:
            if (currentPage) currentPage->KeyDown(static_cast<long>(wParam));
            return 0;
        case WM_KEYUP:
            if (currentPage) currentPage->KeyUp(static_cast<long>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (currentPage) ForwardMouse(msg, lParam);
            return 0;
    }
    return 0;
}
