// Helpers of the shell tests: the whole program with a scripted player, a
// bare GL context, and pixel checks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "MenuPages/pagebase.h"
#include "headless.h"
#include "proc.h"

namespace shelltest {

template <class T>
bool Showing() {
    return dynamic_cast<T*>(currentPage) != nullptr;
}

// Runs the program; `script` is called once after each presented frame, at
// the first pump that finds no input waiting. A run still going after 100
// frames is closed and fails the test.
int RunScripted(platform::HeadlessPlatform& os, std::function<void(platform::HeadlessPlatform&)> script);

// The client pixel whose click lands on this point of the 1024 by 768 page.
int PixelX(int pageX);
int PixelY(int pageY);

// The sound requests so far as "Start.wav:1 GameOver.wav:0".
std::string SoundLog();

// True when the pixel is within `tolerance` of (r, g, b).
bool Near(const std::uint8_t* pixel, int r, int g, int b, int tolerance = 40);

// InitOpenGL at 320 by 240 on a private backend; ReleaseProgram after.
class GLContextTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    platform::HeadlessPlatform os;
};

}  // namespace shelltest
