#include "shell_support.h"

#include <GL/gl.h>

namespace shelltest {

int RunScripted(platform::HeadlessPlatform& os, std::function<void(platform::HeadlessPlatform&)> script,
                int maxFrames) {
    int seenFrames = -1;
    os.SetPumpCallback([&seenFrames, maxFrames, script](platform::HeadlessPlatform& p) {
        if (p.FramesPresented() == seenFrames) return;
        seenFrames = p.FramesPresented();
        if (seenFrames == maxFrames) {
            ADD_FAILURE() << "the program was still running after " << maxFrames << " frames";
            p.PostClose();
        } else if (seenFrames < maxFrames && script) {
            script(p);
        }
    });
    int status = platform::RunProgram(os);
    os.SetPumpCallback(nullptr);
    return status;
}

// Rounded up, so that scaling back (which truncates) gives the page point.
int PixelX(int pageX) {
    return (pageX * ScreenWidth + 1023) / 1024;
}

int PixelY(int pageY) {
    return (pageY * ScreenHeight + 767) / 768;
}

std::string RedTopTexture(int redRows, size_t totalBytes) {
    std::string bytes(totalBytes, '\0');
    const size_t red = std::min(totalBytes, static_cast<size_t>(redRows) * 256 * 3);
    for (size_t i = 0; i < red; i += 3) bytes[i] = static_cast<char>(255);
    return bytes;
}

bool IsRed(const std::uint8_t* p) {
    return p[0] > 200 && p[1] < 40 && p[2] < 40;
}

bool IsReddish(const std::uint8_t* p) {
    return p[0] > 120 && p[1] < 40 && p[2] < 40;
}

bool IsBlack(const std::uint8_t* p) {
    return p[0] < 40 && p[1] < 40 && p[2] < 40;
}

bool IsMagenta(const std::uint8_t* p) {
    return p[0] > 200 && p[1] < 40 && p[2] > 200;
}

void GLContextTest::SetUp() {
    platform::Install(&Backend());
    ScreenWidth = 320;
    ScreenHeight = 240;
    ScreenColor = 32;
    Backend().SetOfferedModes({{320, 240, 32}});
    ASSERT_EQ(InitOpenGL(), 1);
}

void GLContextTest::TearDown() {
    ReleaseProgram();
    platform::Install(nullptr);
}

void GLContextTest::PixelProjection() {
    glViewport(0, 0, ScreenWidth, ScreenHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, ScreenWidth, 0, ScreenHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3f(1, 1, 1);
}

const platform::Frame& GLContextTest::Present() {
    SwapGLBuffers();
    return Backend().LastFrame();
}

void RecordingPage::Work() {
    calls.push_back("Work");
    if (onWork) onWork();
}

}  // namespace shelltest
