// The browser backend: the page's canvas and its WebGL context, the DOM's
// keyboard and mouse events, Web Audio. The program keeps its blocking
// loops: Sleep and SwapBuffers hand the browser its turn (ASYNCIFY) and
// the program goes on where it stopped.
#pragma once

#include <emscripten/html5_webgl.h>

#include <deque>

#include "platform/platform.h"

namespace platform {

class WebPlatform : public Platform {
public:
    WebPlatform() = default;
    ~WebPlatform() override;
    WebPlatform(const WebPlatform&) = delete;
    WebPlatform& operator=(const WebPlatform&) = delete;

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
    // The mode ChangeMode accepted last: the canvas's drawing buffer takes
    // its size, the page scales it to the window.
    DisplayMode mode_;
    bool haveMode_ = false;
    bool windowShown_ = false;
    bool formatChosen_ = false;
    bool wantDepth_ = true;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context_ = 0;
    std::deque<Message> queue_;
    // When the last frame was shown, and the time slept since.
    double lastFrameEnd_ = 0;
    double sleptSinceFrame_ = 0;
};

}  // namespace platform
