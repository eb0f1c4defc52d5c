// The shell's window module: process-wide globals, the full-screen window
// with its OpenGL context, the message pump and the window procedure.
// Written once over the platform seam (platform/platform.h).
#pragma once

#include <cstdio>
#include <ctime>

#include "platform/platform.h"

class PageBase;
class Settings;
class Texter;

// Handles keep the names the shell has always used; here they are opaque.
typedef struct InstanceTag* HINSTANCE;
typedef struct WindowTag* HWND;
typedef struct DeviceContextTag* HDC;
typedef struct RenderContextTag* HGLRC;

// Virtual-key codes the pages use.
enum {
    VK_ESCAPE = 27,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
};

// Message numbers understood by WndProc.
enum : unsigned {
    WM_DESTROY = platform::kMsgDestroy,
    WM_ACTIVATE = platform::kMsgActivate,
    WM_CLOSE = platform::kMsgClose,
    WM_QUIT = platform::kMsgQuit,
    WM_KEYDOWN = platform::kMsgKeyDown,
    WM_KEYUP = platform::kMsgKeyUp,
    WM_MOUSEMOVE = platform::kMsgMouseMove,
    WM_LBUTTONDOWN = platform::kMsgLButtonDown,
    WM_LBUTTONUP = platform::kMsgLButtonUp,
    WM_RBUTTONDOWN = platform::kMsgRButtonDown,
    WM_RBUTTONUP = platform::kMsgRButtonUp,
};

extern HINSTANCE myInstance;
extern int ScreenWidth;
extern int ScreenHeight;
extern int ScreenColor;
extern HDC hDC;
extern HGLRC hRC;
extern HWND hWnd;
extern PageBase* currentPage;

// The page queued to become current: pages write `nextPage = new SomePage`.
// The slot owns the queued page, so a second request before the page loop
// takes it frees the first one (the later request wins).
class QueuedPage {
public:
    QueuedPage& operator=(PageBase* page);
    operator PageBase*() const { return page_; }
    PageBase* operator->() const { return page_; }
    // Hands the queued page to the caller and leaves the slot empty.
    PageBase* Release();

private:
    PageBase* page_ = nullptr;
};
extern QueuedPage nextPage;
extern int GameRunning;
extern Settings* GameSettings;
extern Texter* texter;

int InitOpenGL();
void CloseOpenGL();
int ChangeToFullScreen();
void ChangeToDesktop();
void UpdateGLWindow();
void SwapGLBuffers();
long WndProc(HWND hwnd, unsigned msg, unsigned long wParam, long lParam);
int sign(double val);

// The program's entry: start-up, page loop, shutdown. Returns the exit status.
int WinMain(HINSTANCE hInstance, HINSTANCE hprev, char* cmdline, int ishow);

// Undoes whatever InitOpenGL created: context, window, display mode. Used
// before the second start-up attempt and on the way out.
void TearDownOpenGL();

// Frees what start-up created (pages, text writer, settings, the GL context)
// without saving anything and clears the globals: the end of every run, and
// the clean-up after an exit that skips the normal shutdown.
void ReleaseProgram();

// Clock and pacing: a monotonic millisecond clock (CPU time would break the
// game's pace) and a sleep, both from the platform.
clock_t ClockMs();
void Sleep(unsigned long ms);
// Seconds of the calendar clock, as time(NULL) gives them.
long CalendarTime();

// The 15-bit random generator the food placement relies on: values 0 to
// 32767, reseeded by SRand15 like srand.
void SRand15(unsigned int seed);
int Rand15();

// Shows a modal message box owned by the game window.
void ShowMessageBox(const char* text, const char* caption);

// Opens a game file named as the game names them ("Textures\\StartPage.txu"):
// a backslash separates folders.
FILE* OpenGameFile(const char* name, const char* mode);
