// The window module and the page loop below the pages: input routing, close
// and activation, the loop's order, the queued-page slot, small utilities.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "gamedir.h"
#include "shell_support.h"

using platform::HeadlessPlatform;
using platform::PackPoint;
using shelltest::GLContextTest;
using shelltest::RecordingPage;

namespace {

// Routing needs a backend but no window.
class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Install(&os);
        currentPage = &page;
    }
    void TearDown() override {
        currentPage = nullptr;
        ScreenWidth = ScreenHeight = 0;
        platform::Install(nullptr);
    }
    HeadlessPlatform os;
    RecordingPage page;
};

TEST_F(RoutingTest, MousePositionsScaleToPageSpace) {
    struct Case {
        int width, height, px, py, x, y;
    };
    const Case cases[] = {
        {1280, 1024, 640, 512, 512, 384},  {1024, 768, 1023, 767, 1023, 767}, {800, 600, 799, 599, 1022, 766},
        {640, 480, 0, 0, 0, 0},            {1920, 1080, 1919, 1079, 1023, 767},
        // The halves are unsigned: a position past 32767 stays positive.
        {1024, 768, 0xFFFF, 0xFFFF, 65535, 65535},
    };
    for (const Case& c : cases) {
        ScreenWidth = c.width;
        ScreenHeight = c.height;
        page.mouse.clear();
        WndProc(hWnd, WM_LBUTTONUP, 0, PackPoint(c.px, c.py));
        ASSERT_EQ(page.mouse.size(), 1u);
        EXPECT_EQ(page.mouse[0].x, c.x) << c.width << "x" << c.height;
        EXPECT_EQ(page.mouse[0].y, c.y) << c.width << "x" << c.height;
    }
}

TEST_F(RoutingTest, MessagesReachTheRightHandler) {
    ScreenWidth = 1024;
    ScreenHeight = 768;
    struct Case {
        unsigned msg;
        int but;
        bool up;
    };
    for (const Case& c : {Case{WM_LBUTTONDOWN, 0, false}, Case{WM_RBUTTONDOWN, 1, false}, Case{WM_LBUTTONUP, 0, true},
                          Case{WM_RBUTTONUP, 1, true}}) {
        page.mouse.clear();
        WndProc(hWnd, c.msg, 0, PackPoint(10, 20));
        ASSERT_EQ(page.mouse.size(), 1u);
        EXPECT_EQ(page.mouse[0].but, c.but);
        EXPECT_EQ(page.mouse[0].up, c.up);
    }
    page.mouse.clear();
    WndProc(hWnd, WM_MOUSEMOVE, 0, PackPoint(10, 20));
    EXPECT_TRUE(page.mouse.empty());

    WndProc(hWnd, WM_KEYDOWN, VK_LEFT, 0);
    WndProc(hWnd, WM_KEYDOWN, VK_LEFT, 0);
    WndProc(hWnd, WM_KEYUP, VK_LEFT, 0);
    EXPECT_EQ(page.keys, (std::vector<long>{VK_LEFT, VK_LEFT, -VK_LEFT}));
}

TEST_F(RoutingTest, NothingIsForwardedBeforeTheFirstPage) {
    currentPage = nullptr;
    ScreenWidth = 1024;
    ScreenHeight = 768;
    GameRunning = 1;
    for (unsigned msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONUP, WM_KEYDOWN, WM_KEYUP, WM_CLOSE})
        WndProc(hWnd, msg, VK_ESCAPE, PackPoint(1, 1));
    EXPECT_EQ(GameRunning, 0);
    EXPECT_TRUE(page.mouse.empty());
    EXPECT_TRUE(page.keys.empty());
}

TEST_F(GLContextTest, CloseDestroysWindowAndEndsThePage) {
    RecordingPage page;
    currentPage = &page;
    GameRunning = 1;
    ASSERT_TRUE(os.WindowExists());

    WndProc(hWnd, WM_CLOSE, 0, 0);
    WndProc(hWnd, WM_CLOSE, 0, 0);  // a second close finds nothing to destroy

    EXPECT_FALSE(os.WindowExists());
    EXPECT_EQ(GameRunning, 0);
    EXPECT_EQ(page.finishRun, 1);
    platform::Message msg;
    ASSERT_TRUE(os.PeekMessage(&msg));
    EXPECT_EQ(msg.message, static_cast<unsigned>(WM_QUIT));
    currentPage = nullptr;
}

TEST_F(GLContextTest, ActivationSwitchesBetweenGameAndDesktopMode) {
    WndProc(hWnd, WM_ACTIVATE, 0, 0);
    EXPECT_TRUE(os.WindowMinimized());
    EXPECT_EQ(os.ModeInForce().width, 640);

    WndProc(hWnd, WM_ACTIVATE, 1, 0);
    EXPECT_FALSE(os.WindowMinimized());
    EXPECT_EQ(os.ModeInForce().width, 320);
    EXPECT_EQ(os.ModeInForce().height, 240);
}

// The loop draws and presents before each work step and looks at finishRun
// only after the pump, whichever way the finish was asked for.
TEST_F(GLContextTest, PageLoopOrder) {
    struct Case {
        int works;  // the work step in which the finish is asked for
        bool byClose;
    };
    for (const Case& c : {Case{1, false}, Case{3, false}, Case{2, true}}) {  // a close comes last: it takes the window
        RecordingPage page;
        currentPage = &page;
        GameRunning = 1;
        int before = os.FramesPresented();
        int works = 0;
        page.onWork = [&] {
            if (++works < c.works) return;
            if (c.byClose) {
                os.PostClose();
            } else {
                page.finishRun = 1;
            }
        };
        page.Run();

        std::vector<std::string> expected = {"Initialize"};
        for (int i = 0; i < c.works; ++i) {
            expected.push_back("Draw");
            expected.push_back("Work");
        }
        expected.push_back("Finish");
        EXPECT_EQ(page.calls, expected);
        EXPECT_EQ(os.FramesPresented() - before, c.works);
        EXPECT_EQ(GameRunning, c.byClose ? 0 : 1);
        currentPage = nullptr;
    }
}

TEST(QueuedPageTest, LaterRequestReplacesAndFreesTheEarlierOne) {
    static int destroyed;
    struct CountedPage : PageBase {
        ~CountedPage() override { ++destroyed; }
    };
    destroyed = 0;
    QueuedPage slot;
    PageBase* second = new CountedPage;
    slot = new CountedPage;
    slot = second;
    EXPECT_EQ(destroyed, 1);
    slot = second;  // the same request again keeps the page
    EXPECT_EQ(destroyed, 1);

    PageBase* taken = slot.Release();
    EXPECT_EQ(taken, second);
    EXPECT_EQ(static_cast<PageBase*>(slot), nullptr);
    slot = nullptr;
    EXPECT_EQ(destroyed, 1);
    delete taken;
}

TEST(ProcUtilityTest, Rand15FollowsTheClassicGenerator) {
    // The first values of the classic 15-bit generator for seeds 1 and 0.
    SRand15(1);
    std::vector<int> got;
    for (int i = 0; i < 5; ++i) got.push_back(Rand15());
    EXPECT_EQ(got, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    SRand15(0);
    EXPECT_EQ(Rand15(), 38);
}

TEST(ProcUtilityTest, Sign) {
    struct Case {
        double value;
        int sign;
    };
    for (const Case& c : {Case{-2.5, -1}, Case{-0.0, 0}, Case{0.0, 0}, Case{1e-300, 1},
                          Case{std::numeric_limits<double>::quiet_NaN(), 0},
                          Case{-std::numeric_limits<double>::infinity(), -1}}) {
        EXPECT_EQ(sign(c.value), c.sign) << c.value;
    }
}

TEST(ProcUtilityTest, GameFileNamesUseBackslashAsFolderSeparator) {
    ScopedGameDir dir;
    dir.Write("Maps/Deep/note.txt", "found");
    FILE* file = OpenGameFile("Maps\\Deep\\note.txt", "rb");
    ASSERT_NE(file, nullptr);
    char text[8] = {};
    EXPECT_EQ(fread(text, 1, sizeof text, file), 5u);
    fclose(file);
    EXPECT_STREQ(text, "found");
    EXPECT_EQ(OpenGameFile("Maps\\missing.txt", "rb"), nullptr);
}

}  // namespace
