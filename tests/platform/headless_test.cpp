// The off-screen backend's contract, which every program test relies on.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <vector>

#include "headless.h"

using platform::DisplayMode;
using platform::HeadlessPlatform;

namespace {

std::vector<int> Fields(const DisplayMode& m) { return {m.width, m.height, m.bitsPerPixel}; }

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
        DisplayMode request;
        bool accepted;
    } cases[] = {
        {{1024, 768, 32}, true},  {{800, 600, 16}, true},   {{800, 600, 32}, false}, {{801, 600, 16}, false},
        {{800, 601, 16}, false}, {{1280, 960, 32}, false}, {{0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.request.width << "x" << c.request.height << "x" << c.request.bitsPerPixel);
        HeadlessPlatform os;
        os.SetDesktopMode(desktop);
        os.SetOfferedModes({{800, 600, 16}, {640, 480, 24}});
        EXPECT_EQ(os.ChangeMode(c.request), c.accepted);
        // A refused change leaves the display as it was.
        DisplayMode now;
        ASSERT_TRUE(os.QueryCurrentMode(&now));
        EXPECT_EQ(Fields(now), Fields(c.accepted ? c.request : desktop));
        EXPECT_EQ(Fields(os.ModeInForce()), Fields(now));
        os.RestoreDesktopMode();
        EXPECT_EQ(Fields(os.ModeInForce()), Fields(desktop));
    }
}

TEST(HeadlessPixelFormat, ColourAndDepthFallBackToTheClosestAvailable) {
    // {colour asked, depth asked, red bits got, depth bits got}: there is no
    // 32-bit depth buffer, and a small request still gets one.
    for (auto c : std::vector<std::vector<int>>{{32, 32, 8, 24}, {24, 24, 8, 24}, {16, 16, 5, 16}, {8, 8, 5, 16},
                                                {32, 0, 8, 0}}) {
        SCOPED_TRACE(testing::Message() << "colour " << c[0] << ", depth " << c[1]);
        HeadlessPlatform os;
        BringUp(os, 64, 32, c[0], c[1]);
        GLint red = 0, depth = -1;
        glGetIntegerv(GL_RED_BITS, &red);
        glGetIntegerv(GL_DEPTH_BITS, &depth);
        EXPECT_EQ(std::vector<int>({red, depth, os.DepthBits()}), std::vector<int>({c[2], c[3], c[3]}));
    }
}

TEST(HeadlessFrames, TopRowFirst) {
    for (int colorBits : {16, 24, 32}) {
        SCOPED_TRACE(testing::Message() << "colour " << colorBits);
        HeadlessPlatform os;
        BringUp(os, 40, 30, colorBits);
        glClearColor(0, 0.5f, 1, 1);  // blue-green, the upper half orange
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1, 0.5f, 0);
        glRectf(-1, 0, 1, 1);
        os.SwapBuffers();
        const platform::Frame& frame = os.LastFrame();
        ASSERT_EQ(std::vector<int>({frame.width, frame.height}), std::vector<int>({40, 30}));
        for (int y : {0, 14, 15, 29}) {
            EXPECT_EQ(frame.Pixel(39, y)[0], y < 15 ? 255 : 0) << "y " << y;
            EXPECT_EQ(frame.Pixel(0, y)[2], y < 15 ? 0 : 255) << "y " << y;
        }
    }
}

TEST(HeadlessGlu, ReachesTheOffscreenContext) {
    HeadlessPlatform os;
    BringUp(os, 32, 32);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    gluPerspective(90.0, 1.0, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -5);
    // A sphere in front of the camera covers the centre, not the corners.
    GLUquadric* quadric = gluNewQuadric();
    gluSphere(quadric, 1.0, 16, 16);
    gluDeleteQuadric(quadric);
    os.SwapBuffers();
    EXPECT_EQ(os.LastFrame().Pixel(16, 16)[0], 255);
    EXPECT_EQ(os.LastFrame().Pixel(0, 0)[0], 0);
}

TEST(HeadlessClock, SleepsAdvanceTheVirtualClockAndAreRecorded) {
    HeadlessPlatform os;
    for (unsigned long ms : {30ul, 0ul, 2000ul}) os.Sleep(ms);
    EXPECT_EQ(os.Milliseconds(), 2030);
    EXPECT_EQ(os.Sleeps(), (std::vector<unsigned long>{30, 0, 2000}));
}

// Each message as {message, wParam, lParam}, until the queue is empty.
std::vector<std::vector<long>> Drain(HeadlessPlatform& os) {
    std::vector<std::vector<long>> seen;
    for (platform::Message m; os.PollMessage(&m);) seen.push_back({long(m.message), long(m.wParam), m.lParam});
    return seen;
}

TEST(HeadlessQueue, DeliversInOrderThenAsksTheCallbackWhenEmpty) {
    HeadlessPlatform os;
    os.SetPumpCost(5);
    os.PostKeyDown(37);
    os.PostClick(3, 4, 1);
    os.PostClose();
    const long at = platform::PackPoint(3, 4);
    EXPECT_EQ(Drain(os), (std::vector<std::vector<long>>{{platform::kMsgKeyDown, 37, 0},
                                                          {platform::kMsgRButtonDown, 0, at},
                                                          {platform::kMsgRButtonUp, 0, at},
                                                          {platform::kMsgClose, 0, 0}}));
    EXPECT_EQ(os.Now(), 5);  // one pump ended

    // The callback runs only on an empty queue; what it posts is delivered
    // in the same pump, and the pump's cost is paid once, at its end.
    int calls = 0;
    os.SetPumpCallback([&](HeadlessPlatform& self) {
        if (++calls == 1) self.PostKeyUp(65);
    });
    os.PostKeyDown(65);
    EXPECT_EQ(Drain(os), (std::vector<std::vector<long>>{{platform::kMsgKeyDown, 65, 0}, {platform::kMsgKeyUp, 65, 0}}));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(os.Now(), 10);
}

}  // namespace
