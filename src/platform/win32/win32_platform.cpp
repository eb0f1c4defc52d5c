#include "win32_platform.h"

#include <ctime>

#include "proc.h"
#include "resources.h"

namespace platform {

namespace {
const char kWindowClass[] = "Tramox";
const DWORD kWindowStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// Sleep's granularity while the game runs: its frames are paced to 30 ms.
const UINT kTimerPeriodMs = 1;

// The messages the shell's window procedure acts on. WM_DESTROY is not among
// them: the shell raises it itself after asking for the window to go.
bool IsShellMessage(UINT msg) {
    switch (msg) {
        case WM_ACTIVATE:
        case WM_CLOSE:
        case WM_ENDSESSION:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return true;
    }
    return false;
}

// Whether a window is one of this process's own, such as the game's message
// box. Activation passing to it is no switch to another program: the game
// stays shown in its mode, or the box, owned by the game window, would be
// hidden with it. A window of another program, or none, is a switch.
bool IsOwnWindow(LPARAM handle) {
    HWND window = reinterpret_cast<HWND>(handle);
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) != 0 && process == GetCurrentProcessId();
}

// The current mode of the primary display in a record cleared to zero.
bool CurrentDevMode(DEVMODEA* mode) {
    ZeroMemory(mode, sizeof *mode);
    mode->dmSize = sizeof *mode;
    return EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, mode) != FALSE;
}
}  // namespace

Win32Platform::Win32Platform() : instance_(GetModuleHandleA(nullptr)) {
    // Window sizes and mouse positions in real pixels, also on a scaled desktop.
    SetProcessDPIAware();
    QueryPerformanceFrequency(&counterFrequency_);
    QueryPerformanceCounter(&counterStart_);
    timerPeriodSet_ = timeBeginPeriod(kTimerPeriodMs) == TIMERR_NOERROR;
}

Win32Platform::~Win32Platform() {
    DeleteContext();
    DestroyWindowNow();
    RestoreDesktopMode();
    if (timerPeriodSet_) timeEndPeriod(kTimerPeriodMs);
}

bool Win32Platform::QueryCurrentMode(DisplayMode* mode) {
    DEVMODEA current;
    if (!CurrentDevMode(&current)) return false;
    mode->width = static_cast<int>(current.dmPelsWidth);
    mode->height = static_cast<int>(current.dmPelsHeight);
    mode->bitsPerPixel = static_cast<int>(current.dmBitsPerPel);
    return true;
}

bool Win32Platform::ChangeMode(const DisplayMode& mode) {
    DEVMODEA wanted;
    if (!CurrentDevMode(&wanted)) return false;
    wanted.dmPelsWidth = static_cast<DWORD>(mode.width);
    wanted.dmPelsHeight = static_cast<DWORD>(mode.height);
    wanted.dmBitsPerPel = static_cast<DWORD>(mode.bitsPerPixel);
    // Only these three count; the refresh rate is the system's choice.
    wanted.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    if (ChangeDisplaySettingsA(&wanted, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) return false;
    modeChanged_ = true;
    return true;
}

void Win32Platform::RestoreDesktopMode() {
    // The registry's mode, which a full-screen change leaves untouched.
    if (!modeChanged_) return;
    ChangeDisplaySettingsA(nullptr, 0);
    modeChanged_ = false;
}

bool Win32Platform::CreateGameWindow(const char* title, int width, int height) {
    if (window_) return false;
    if (!classRegistered_) {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = WindowProcedure;
        windowClass.hInstance = instance_;
        // The executable's own icon, as the taskbar and Alt+Tab show it.
        windowClass.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(TRAMOX_ICON));
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kWindowClass;
        classRegistered_ = RegisterClassA(&windowClass) != 0;
    }
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    window_ = CreateWindowExA(0, kWindowClass, title, kWindowStyle, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance_, nullptr);
    if (!window_) return false;
    // From now on the window's messages reach the shell; those sent while
    // it was being created found no window the shell knows.
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

bool Win32Platform::SetPixelFormat(int colorBits, int depthBits) {
    if (!window_ || destroyPending_) return false;
    if (!deviceContext_) deviceContext_ = GetDC(window_);
    if (!deviceContext_) return false;
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = static_cast<BYTE>(colorBits);
    request.cDepthBits = static_cast<BYTE>(depthBits);
    request.iLayerType = PFD_MAIN_PLANE;
    const int format = ChoosePixelFormat(deviceContext_, &request);
    return format != 0 && ::SetPixelFormat(deviceContext_, format, &request) != FALSE;
}

bool Win32Platform::CreateContext() {
    if (!deviceContext_ || context_) return false;
    context_ = wglCreateContext(deviceContext_);
    return context_ != nullptr;
}

void Win32Platform::MakeContextCurrent(bool current) {
    if (!context_) return;
    if (current) {
        wglMakeCurrent(deviceContext_, context_);
    } else {
        wglMakeCurrent(nullptr, nullptr);
    }
}

void Win32Platform::DeleteContext() {
    if (!context_) return;
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
    context_ = nullptr;
    if (destroyPending_) DestroyWindowNow();
}

void Win32Platform::DestroyGameWindow() {
    if (!window_) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    if (context_) {
        ShowWindow(window_, SW_HIDE);
        destroyPending_ = true;
    } else {
        DestroyWindowNow();
    }
}

void Win32Platform::DestroyWindowNow() {
    if (window_) {
        // Whatever the system sends while the window goes stays here.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        if (deviceContext_) ReleaseDC(window_, deviceContext_);
        DestroyWindow(window_);
    }
    window_ = nullptr;
    deviceContext_ = nullptr;
    destroyPending_ = false;
    if (classRegistered_) classRegistered_ = !UnregisterClassA(kWindowClass, instance_);
}

void Win32Platform::ShowWindowNormal() {
    if (!window_ || destroyPending_) return;
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    SetFocus(window_);
}

void Win32Platform::MinimizeWindow() {
    if (window_ && !destroyPending_) ShowWindow(window_, SW_MINIMIZE);
}

void Win32Platform::SwapBuffers() {
    if (deviceContext_ && context_ && !destroyPending_) ::SwapBuffers(deviceContext_);
}

LRESULT CALLBACK Win32Platform::WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Key and message numbers are the system's own; the shell takes them as
    // they come. Key repeats arrive as repeated WM_KEYDOWN.
    if (msg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE && IsOwnWindow(lParam)) return 0;
    if (GetWindowLongPtrA(hwnd, GWLP_USERDATA) != 0 && IsShellMessage(msg)) {
        return ::WndProc(hwnd, msg, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool Win32Platform::PollMessage(Message* msg) {
    MSG next;
    while (PeekMessageA(&next, nullptr, 0, 0, PM_REMOVE)) {
        if (next.hwnd == nullptr) {
            // A message for the thread, not a window (the quit the shell
            // queues): the shell's procedure gets it from the pump.
            msg->message = next.message;
            msg->wParam = static_cast<unsigned long>(next.wParam);
            msg->lParam = static_cast<long>(next.lParam);
            return true;
        }
        TranslateMessage(&next);
        DispatchMessageA(&next);
    }
    return false;
}

void Win32Platform::QueueMessage(const Message& msg) {
    PostThreadMessageA(GetCurrentThreadId(), msg.message, msg.wParam, msg.lParam);
}

long Win32Platform::Milliseconds() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const long long ticks = now.QuadPart - counterStart_.QuadPart;
    const long long perSecond = counterFrequency_.QuadPart;
    return static_cast<long>(ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond);
}

void Win32Platform::Sleep(unsigned long ms) {
    ::Sleep(ms);
}

long Win32Platform::CalendarSeconds() {
    return static_cast<long>(std::time(nullptr));
}

void Win32Platform::ShowMessageBox(const char* text, const char* caption) {
    HWND owner = window_ && !destroyPending_ ? window_ : nullptr;
    MessageBoxA(owner, text, caption, MB_OK);
}

void Win32Platform::ExitProcess(int status) {
    DeleteContext();
    DestroyWindowNow();
    RestoreDesktopMode();
    ::ExitProcess(static_cast<UINT>(status));
}

}  // namespace platform
