// Helpers shared by the shell tests: running the whole program with a
// scripted player, bringing up a bare GL context, and reading frames.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MenuPages/pagebase.h"
#include "headless.h"
#include "proc.h"

namespace shelltest {

// True when the page being run is a T.
template <class T>
bool Showing() {
    return dynamic_cast<T*>(currentPage) != nullptr;
}

// Runs the program on `os`. `script` is called once after each presented
// frame, at the first pump that finds no input waiting. After `maxFrames`
// frames the window is closed, so a broken page ends the test instead of
// hanging it.
int RunScripted(platform::HeadlessPlatform& os, std::function<void(platform::HeadlessPlatform&)> script,
                int maxFrames = 100);

// The client pixel at which a click lands on page point (x, y).
int PixelX(int pageX);
int PixelY(int pageY);

// A texture file whose first `redRows` rows are red and the rest black.
std::string RedTopTexture(int redRows, size_t totalBytes);

// Colour tests on a presented frame.
bool IsRed(const std::uint8_t* p);
// Red mixed with a little black, as linear filtering leaves a thin band.
bool IsReddish(const std::uint8_t* p);
bool IsBlack(const std::uint8_t* p);
bool IsMagenta(const std::uint8_t* p);

// A GL context from InitOpenGL on a private headless backend, for tests of
// the pieces below the page loop. Everything is released in TearDown.
class GLContextTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The backend the context is made on; a test may supply its own.
    virtual platform::HeadlessPlatform& Backend() { return os; }
    // Switches to the 2D pixel space (0, 0) bottom-left to (width, height).
    void PixelProjection();
    // Presents the back buffer and returns the frame.
    const platform::Frame& Present();

    platform::HeadlessPlatform os;
};

// A page that records what the loop and the window procedure call.
class RecordingPage : public PageBase {
public:
    void Initialize() override { calls.push_back("Initialize"); }
    void Finish() override { calls.push_back("Finish"); }
    void Work() override;
    void Draw() override { calls.push_back("Draw"); }
    void MouseDown(int x, int y, int but) override { mouse.push_back({x, y, but, false}); }
    void MouseUp(int x, int y, int but) override { mouse.push_back({x, y, but, true}); }
    void KeyDown(long key) override { keys.push_back(key); }
    void KeyUp(long key) override { keys.push_back(-key); }

    struct Click {
        int x, y, but;
        bool up;
    };
    std::vector<std::string> calls;
    std::vector<Click> mouse;
    std::vector<long> keys;
    // Run by Work (the page's own step), e.g. to post input.
    std::function<void()> onWork;
};

}  // namespace shelltest
