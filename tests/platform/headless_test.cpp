// The off-screen backend's contract, which every program test relies on.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless.h"

using platform::DisplayMode;
using platform::Frame;
using platform::HeadlessPlatform;
using platform::Message;

namespace {

bool SameMode(const DisplayMode& a, const DisplayMode& b) {
    return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel;
}

// A backend with a window and a current context of the given size.
void BringUp(HeadlessPlatform& os, int width, int height, int colorBits = 32, int depthBits = 32) {
    ASSERT_TRUE(os.CreateGameWindow("Tramox", width, height));
    ASSERT_TRUE(os.SetPixelFormat(colorBits, depthBits));
    ASSERT_TRUE(os.CreateContext());
    os.MakeContextCurrent(true);
}

TEST(HeadlessModes, OnlyAnExactOfferedModeIsAccepted) {
    const DisplayMode desktop{1024, 768, 32};
    const struct {
        const char* what;
        DisplayMode request;
        bool accepted;
    } cases[] = {
        {"the desktop mode itself", {1024, 768, 32}, true},
        {"an offered mode", {800, 600, 16}, true},
        {"offered size at another depth", {800, 600, 32}, false},
        {"offered depth, width differs", {801, 600, 16}, false},
        {"offered depth, height differs", {800, 601, 16}, false},
        {"a mode nobody offers", {1280, 960, 32}, false},
        {"zero size", {0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        HeadlessPlatform os;
        os.SetDesktopMode(desktop);
        os.SetOfferedModes({{800, 600, 16}, {640, 480, 24}});
        EXPECT_EQ(os.ChangeMode(c.request), c.accepted) << c.what;
        // A refused change leaves the display as it was.
        DisplayMode now;
        ASSERT_TRUE(os.QueryCurrentMode(&now));
        EXPECT_TRUE(SameMode(now, c.accepted ? c.request : desktop)) << c.what;
        EXPECT_TRUE(SameMode(os.ModeInForce(), now)) << c.what;
        os.RestoreDesktopMode();
        EXPECT_TRUE(SameMode(os.ModeInForce(), desktop)) << c.what;
    }
}

TEST(HeadlessPixelFormat, ColourAndDepthFallBackToTheClosestAvailable) {
    const struct {
        int colorBits;
        int depthBits;
        int redBits;
        int expectedDepth;
    } cases[] = {
        {32, 32, 8, 24},  // no 32-bit depth buffer: the closest is taken
        {24, 24, 8, 24}, {16, 16, 5, 16},
        {8, 8, 5, 16},    // a small request still gets a depth buffer
        {32, 0, 8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "colour " << c.colorBits << ", depth " << c.depthBits);
        HeadlessPlatform os;
        BringUp(os, 64, 32, c.colorBits, c.depthBits);
        GLint red = 0, depth = -1;
        glGetIntegerv(GL_RED_BITS, &red);
        glGetIntegerv(GL_DEPTH_BITS, &depth);
        EXPECT_EQ(red, c.redBits);
        EXPECT_EQ(depth, c.expectedDepth);
        EXPECT_EQ(os.DepthBits(), depth);
    }
}

// Clear the screen to blue-green, then fill the upper half orange.
void DrawOrangeTopHalf() {
    glClearColor(0, 0.5f, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3f(1, 0.5f, 0);
    glBegin(GL_QUADS);
    glVertex2f(-1, 0);
    glVertex2f(1, 0);
    glVertex2f(1, 1);
    glVertex2f(-1, 1);
    glEnd();
}

TEST(HeadlessFrames, TopRowFirstWithTheColoursGlReads) {
    for (int colorBits : {16, 24, 32}) {
        SCOPED_TRACE(testing::Message() << "colour " << colorBits);
        HeadlessPlatform os;
        BringUp(os, 40, 30, colorBits);
        DrawOrangeTopHalf();
        os.SwapBuffers();
        const Frame& frame = os.LastFrame();
        ASSERT_EQ(frame.width, 40);
        ASSERT_EQ(frame.height, 30);
        // Every pixel is the one GL itself reads back from the mirrored row.
        std::vector<std::uint8_t> bottomUp(40 * 30 * 4);
        glReadPixels(0, 0, 40, 30, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                const std::uint8_t* gl = &bottomUp[((29 - y) * 40 + x) * 4];
                const std::uint8_t* p = frame.Pixel(x, y);
                ASSERT_TRUE(p[0] == gl[0] && p[1] == gl[1] && p[2] == gl[2]) << "x " << x << " y " << y;
            }
        }
        for (int y : {0, 14, 15, 29}) {
            const bool top = y < 15;
            EXPECT_EQ(frame.Pixel(39, y)[0], top ? 255 : 0) << "y " << y;
            EXPECT_EQ(frame.Pixel(0, y)[2], top ? 0 : 255) << "y " << y;
        }
    }
}

TEST(HeadlessFrames, PresentingCountsKeepsAndCostsTime) {
    HeadlessPlatform os;
    os.SwapBuffers();  // no context yet: nothing is presented
    EXPECT_EQ(os.FramesPresented(), 0);

    BringUp(os, 8, 8);
    os.SetFrameCost(7);
    os.KeepAllFrames(true);
    std::vector<std::uint8_t> redSeen;
    os.SetFrameCallback([&](const Frame& frame) { redSeen.push_back(frame.Pixel(0, 0)[0]); });
    for (float red : {0.0f, 1.0f, 0.0f}) {
        glClearColor(red, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        os.SwapBuffers();
    }
    EXPECT_EQ(os.FramesPresented(), 3);
    EXPECT_EQ(os.Now(), 21);
    EXPECT_EQ(redSeen, (std::vector<std::uint8_t>{0, 255, 0}));
    ASSERT_EQ(os.AllFrames().size(), 3u);
    EXPECT_EQ(os.AllFrames()[1].Pixel(7, 7)[0], 255);
    EXPECT_EQ(os.LastFrame().Pixel(7, 7)[0], 0);

    os.DestroyGameWindow();  // a closed window presents nothing more
    os.SwapBuffers();
    EXPECT_EQ(os.FramesPresented(), 3);
}

TEST(HeadlessGlu, ReachesTheOffscreenContext) {
    HeadlessPlatform os;
    BringUp(os, 32, 32);

    // A perspective leaves the projection matrix changed; equal near and far
    // planes are rejected and leave it as it was.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(90.0, 1.0, 1.0, 1.0);
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_DOUBLE_EQ(m[0], 1.0);
    EXPECT_DOUBLE_EQ(m[11], 0.0);
    gluPerspective(90.0, 1.0, 1.0, 100.0);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    // GL keeps the matrix in single precision.
    EXPECT_NEAR(m[0], 1.0, 1e-6);  // cot(45 degrees)
    EXPECT_DOUBLE_EQ(m[11], -1.0);  // perspective divide by -z
    EXPECT_NEAR(m[10], -101.0 / 99.0, 1e-6);

    // A sphere in front of the camera covers the centre, not the corners.
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -5);
    glColor3f(1, 1, 1);
    GLUquadric* quadric = gluNewQuadric();
    gluSphere(quadric, 1.0, 16, 16);
    gluDeleteQuadric(quadric);
    os.SwapBuffers();
    EXPECT_EQ(os.LastFrame().Pixel(16, 16)[0], 255);
    EXPECT_EQ(os.LastFrame().Pixel(0, 0)[0], 0);
}

TEST(HeadlessClock, SleepsAdvanceTheVirtualClockAndAreRecorded) {
    HeadlessPlatform os;
    EXPECT_EQ(os.Milliseconds(), 0);
    os.Sleep(30);
    os.Sleep(0);
    os.Sleep(2000);
    EXPECT_EQ(os.Milliseconds(), 2030);
    EXPECT_EQ(os.Sleeps(), (std::vector<unsigned long>{30, 0, 2000}));
}

std::vector<unsigned> Drain(HeadlessPlatform& os) {
    std::vector<unsigned> seen;
    Message msg;
    while (os.PeekMessage(&msg)) seen.push_back(msg.message);
    return seen;
}

TEST(HeadlessQueue, DeliversInOrderThenAsksTheCallbackWhenEmpty) {
    HeadlessPlatform os;
    os.SetPumpCost(5);
    os.PostKeyDown(37);
    os.PostClick(3, 4, 1);
    os.PostClose();
    Message msg;
    ASSERT_TRUE(os.PeekMessage(&msg));
    EXPECT_EQ(msg.message, platform::kMsgKeyDown);
    EXPECT_EQ(msg.wParam, 37u);
    ASSERT_TRUE(os.PeekMessage(&msg));
    EXPECT_EQ(msg.message, platform::kMsgRButtonDown);
    EXPECT_EQ(msg.lParam, platform::PackPoint(3, 4));
    EXPECT_EQ(Drain(os), (std::vector<unsigned>{platform::kMsgRButtonUp, platform::kMsgClose}));
    EXPECT_EQ(os.Now(), 5);  // one pump ended

    // The callback runs only on an empty queue; what it posts is delivered
    // in the same pump, and the pump's cost is paid once, at its end.
    int calls = 0;
    os.SetPumpCallback([&](HeadlessPlatform& self) {
        if (++calls == 1) self.PostKeyUp(65);
    });
    os.PostKeyDown(65);
    EXPECT_EQ(Drain(os), (std::vector<unsigned>{platform::kMsgKeyDown, platform::kMsgKeyUp}));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(os.Now(), 10);
}

TEST(HeadlessFonts, FindsAnInstalledFontForTheGameFace) {
    HeadlessPlatform os;
    const std::string path = os.FindFontFile("Courier New", 700);
    ASSERT_FALSE(path.empty());
    FILE* file = fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr) << path;
    fclose(file);
}

}  // namespace
