// The shell's vocabulary: handle types, virtual-key and message numbers,
// WINAPI, LPSTR and Sleep. On Windows they are the system's own; elsewhere
// they are defined here with the same names and values, so game code reads
// the same on every system and never includes <windows.h> itself.
#pragma once

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#else

#include "platform/platform.h"

#define WINAPI

// Opaque handles: the backend keeps the real window and context.
typedef struct InstanceTag* HINSTANCE;
typedef struct WindowTag* HWND;
typedef struct DeviceContextTag* HDC;
typedef struct RenderContextTag* HGLRC;
typedef char* LPSTR;

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
    WM_ENDSESSION = platform::kMsgEndSession,
    WM_KEYDOWN = platform::kMsgKeyDown,
    WM_KEYUP = platform::kMsgKeyUp,
    WM_MOUSEMOVE = platform::kMsgMouseMove,
    WM_LBUTTONDOWN = platform::kMsgLButtonDown,
    WM_LBUTTONUP = platform::kMsgLButtonUp,
    WM_RBUTTONDOWN = platform::kMsgRButtonDown,
    WM_RBUTTONUP = platform::kMsgRButtonUp,
};

// The backend's sleep, so that the off-screen backend's clock can be virtual.
inline void Sleep(unsigned long ms) {
    platform::Current().Sleep(ms);
}

#endif
