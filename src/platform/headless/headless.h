// The off-screen backend: the whole program runs on it in tests.
//
// OSMesa renders at the configured screen size into memory; a buffer swap
// "presents" the frame, which tests read back. The clock is virtual: Sleep
// advances it at once and each presented frame can be given a cost, so
// pacing is exact and the two-second pages cost no real time. Input is
// queued by the test, or produced by a callback that runs at every pump
// (how a scripted player drives the game).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

struct osmesa_context;

namespace platform {

// A presented frame, rows from the top of the screen, 4 bytes (RGBA) a pixel.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    // Pixel (x, y) with (0, 0) at the top-left corner of the screen.
    const std::uint8_t* Pixel(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

struct MessageBoxRecord {
    std::string text;
    std::string caption;
};

struct SoundRecord {
    std::string path;
    bool async;
};

// Thrown by ExitProcess so that a test sees the exit instead of ending.
struct ProcessExit {
    int status;
};

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();
    ~HeadlessPlatform() override;
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    // --- set-up by the test --------------------------------------------------
    // The desktop mode (what QueryCurrentMode answers before any change).
    void SetDesktopMode(const DisplayMode& mode);
    // The modes the display offers; the desktop mode is always among them.
    void SetOfferedModes(const std::vector<DisplayMode>& modes);
    // Virtual milliseconds that presenting one frame costs (default 0).
    void SetFrameCost(long ms);
    // Virtual milliseconds that one message pump costs (default 0), counted
    // when PollMessage finds nothing left and the pump ends.
    void SetPumpCost(long ms);
    void SetCalendarSeconds(long seconds);
    // Makes QueryCurrentMode fail, as a display that cannot be asked does.
    void FailModeQuery(bool fail);
    // Called at every PollMessage that finds the queue empty, before it
    // answers; the callback may queue messages (they are then delivered).
    void SetPumpCallback(std::function<void(HeadlessPlatform&)> callback);
    // Called after every presented frame.
    void SetFrameCallback(std::function<void(const Frame&)> callback);
    // Keep a copy of every presented frame (memory grows; for short tests).
    void KeepAllFrames(bool keep);

    // --- input ---------------------------------------------------------------
    void Post(const Message& msg) { QueueMessage(msg); }
    void PostKeyDown(int vk);
    void PostKeyUp(int vk);
    // A press and a release of the left (button 0) or right (1) button at a
    // client pixel.
    void PostClick(int x, int y, int button = 0);
    void PostClose();

    // --- what the program did --------------------------------------------------
    long Now() const { return now_; }
    int FramesPresented() const { return framesPresented_; }
    const Frame& LastFrame() const { return lastFrame_; }
    const std::vector<Frame>& AllFrames() const { return allFrames_; }
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    // Every Sleep, in order, with its argument.
    const std::vector<unsigned long>& Sleeps() const { return sleeps_; }
    // Every sound request, in order. A request that waits costs the WAV's
    // playing time on the clock.
    const std::vector<SoundRecord>& Sounds() const { return sounds_; }
    // The mode in force now (after ChangeMode / RestoreDesktopMode).
    DisplayMode ModeInForce() const { return modeInForce_; }
    bool WindowExists() const { return windowExists_; }
    bool WindowMinimized() const { return windowMinimized_; }
    bool ContextExists() const { return context_ != nullptr; }
    // Depth-buffer bits of the context in use (0 without one).
    int DepthBits() const;

    // --- Platform ----------------------------------------------------------------
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
    long now_ = 0;
    long frameCost_ = 0;
    long pumpCost_ = 0;
    long calendarSeconds_ = 0;
    std::function<void(HeadlessPlatform&)> pumpCallback_;
    std::function<void(const Frame&)> frameCallback_;
    bool keepAllFrames_ = false;
    std::deque<Message> queue_;
    DisplayMode desktopMode_;
    std::vector<DisplayMode> offeredModes_;
    bool modeQueryFails_ = false;

    int framesPresented_ = 0;
    Frame lastFrame_;
    std::vector<Frame> allFrames_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<unsigned long> sleeps_;
    std::vector<SoundRecord> sounds_;
    DisplayMode modeInForce_;
    bool windowExists_ = false;
    bool windowMinimized_ = false;
    int windowWidth_ = 0;
    int windowHeight_ = 0;

    // The pixel format chosen by SetPixelFormat, as OSMesa names it.
    bool pixelFormatSet_ = false;
    unsigned colorFormat_ = 0;
    unsigned colorType_ = 0;
    int depthBits_ = 0;
    osmesa_context* context_ = nullptr;
    bool contextCurrent_ = false;
    // OSMesa draws into this memory at the window's size.
    std::vector<std::uint8_t> colorBuffer_;
};

}  // namespace platform
