// The desktop backend: a full-screen SDL2 window with an OpenGL 1.x
// compatibility context, SDL's event queue and audio, the system clocks.
#pragma once

#include <SDL.h>

#include <deque>
#include <string>

#include "platform/platform.h"
#include "sdl_audio.h"

namespace platform {

class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

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
    [[noreturn]] void ExitProcess(int status) override;
    bool BuildGlyphLists(unsigned base, int firstChar, int count) override;
    void PlaySoundFile(const char* path, bool async) override;

private:
    void EnterFullScreen();
    bool HoldFocusLoss(const Message& msg);
    void SettleFocusLoss();
    void DestroyWindowNow();

    bool videoReady_ = false;
    // The mode ChangeMode accepted last; the window takes it when it exists.
    bool haveGameMode_ = false;
    SDL_DisplayMode gameMode_{};
    // What CreateGameWindow asked for; the real window is made when the
    // pixel format is known, since SDL needs it before the window exists.
    bool windowRequested_ = false;
    std::string title_;
    int width_ = 0;
    int height_ = 0;
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    // A window closed while its context lives stays, hidden, until the
    // context goes, so the running page can still finish its drawing.
    bool destroyPending_ = false;
    std::deque<Message> queue_;
    // When a focus loss began to wait for the focus to land (0: none waits).
    Uint32 focusLossSince_ = 0;
    SdlAudio audio_;
};

}  // namespace platform
