// The Windows backend: a registered window class with a full-screen popup
// window, WGL for the OpenGL context, the thread's own message queue, GDI
// for the text writer's glyphs and winmm for the sounds.
#pragma once

// <windows.h> as the whole program has it (lean, no min/max macros).
#include "wintypes.h"
// After windows.h, which the lean build leaves it out of.
#include <mmsystem.h>

#include "platform/platform.h"

namespace platform {

class Win32Platform : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    bool QueryCurrentMode(DisplayMode* mode) override;
    bool ChangeMode(const DisplayMode& mode) override;
    void RestoreDesktopMode() override;
    bool CreateGameWindow(const char* title, int width, int height) override;
    bool SetPixelFormat(int colorBits, int depthBits) override;
    bool CreateContext() override;
    void MakeContextCurrent(bool current) override;
    void DeleteContext() override;
    void DestroyGameWindow() override;
    void ShowWindowNormal() override;
    void MinimizeWindow() override;
    void SwapBuffers() override;
    bool PollMessage(Message* msg) override;
    void QueueMessage(const Message& msg) override;
    long Milliseconds() override;
    void Sleep(unsigned long ms) override;
    long CalendarSeconds() override;
    void ShowMessageBox(const char* text, const char* caption) override;
    void PlaySoundFile(const char* path, bool async) override;
    [[noreturn]] void ExitProcess(int status) override;
    bool BuildGlyphLists(unsigned base, int firstChar, int count) override;

private:
    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void DestroyWindowNow();

    HINSTANCE instance_;
    LARGE_INTEGER counterStart_{};
    LARGE_INTEGER counterFrequency_{};
    bool timerPeriodSet_ = false;
    bool modeChanged_ = false;
    bool classRegistered_ = false;
    HWND window_ = nullptr;
    HDC deviceContext_ = nullptr;
    HGLRC context_ = nullptr;
    // A window closed while its context lives stays, hidden, until the
    // context goes, so the running page can still finish its drawing.
    bool destroyPending_ = false;
};

}  // namespace platform
