#include "shell_support.h"

#include <cstdlib>

#include "Sound/sound.h"

namespace shelltest {

int RunScripted(platform::HeadlessPlatform& os, std::function<void(platform::HeadlessPlatform&)> script) {
    int seen = -1;
    os.SetPumpCallback([&seen, script](platform::HeadlessPlatform& p) {
        if (p.FramesPresented() == seen) return;
        seen = p.FramesPresented();
        if (seen == 100) {
            ADD_FAILURE() << "still running after 100 frames";
            p.PostClose();
        } else if (seen < 100 && script) {
            script(p);
        }
    });
    int status = platform::RunProgram(os);
    os.SetPumpCallback(nullptr);
    return status;
}

// Rounded up, so that the window procedure's truncation gives the point back.
int PixelX(int pageX) {
    return (pageX * ScreenWidth + 1023) / 1024;
}

int PixelY(int pageY) {
    return (pageY * ScreenHeight + 767) / 768;
}

std::string SoundLog() {
    std::string log;
    for (const Sound::Request& r : Sound::Requests())
        log += (log.empty() ? "" : " ") + r.file + ":" + std::to_string(r.async);
    return log;
}

bool Near(const std::uint8_t* pixel, int r, int g, int b, int tolerance) {
    return std::abs(pixel[0] - r) <= tolerance && std::abs(pixel[1] - g) <= tolerance &&
           std::abs(pixel[2] - b) <= tolerance;
}

void GLContextTest::SetUp() {
    platform::Install(&os);
    ScreenWidth = 320;
    ScreenHeight = 240;
    ScreenColor = 32;
    os.SetOfferedModes({{320, 240, 32}});
    ASSERT_EQ(InitOpenGL(), 1);
}

void GLContextTest::TearDown() {
    ReleaseProgram();
    platform::Install(nullptr);
}

}  // namespace shelltest
