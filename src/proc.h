// The shell's window module: the full-screen window with its OpenGL context,
// the message pump and the window procedure. Written once over the platform
// seam (platform/platform.h); the globals it works on are in globals.h.
#pragma once

#include "wintypes.h"

int InitOpenGL();
void CloseOpenGL();
int ChangeToFullScreen();
void ChangeToDesktop();
void UpdateGLWindow();
void SwapGLBuffers();
long WndProc(HWND hwnd, unsigned msg, unsigned long wParam, long lParam);

// Undoes whatever InitOpenGL created: context, window, display mode. Used
// before the second start-up attempt and on the way out.
void TearDownOpenGL();
