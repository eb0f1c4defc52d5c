// The settings file through whole runs of the program on the off-screen
// backend: first and second start, the options page, the camera.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "Engine/engine.h"
#include "Engine/snake.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "Sound/sound.h"
#include "gamedir.h"
#include "headless.h"
#include "proc.h"
#include "settings_support.h"
#include "texturefile.h"

namespace {

using platform::Frame;
using platform::HeadlessPlatform;

const PageRect k640x480 = {150, 50, 300, 100}, k800x600 = {350, 50, 500, 100}, k1280x960 = {750, 50, 900, 100};
const PageRect k16Bits = {150, 150, 300, 200}, k24Bits = {350, 150, 500, 200};
const int kKeyA = 65, kKeyQ = 81, kKeyW = 87;

std::vector<int> Mode(const HeadlessPlatform& b) {
    return {b.ModeInForce().width, b.ModeInForce().height, b.ModeInForce().bitsPerPixel};
}

// A release of `button` at a page position, sent as the client pixel (rounded
// up) that the window procedure's truncation maps back onto it.
void ClickPage(HeadlessPlatform& b, int x, int y, int button = 0) {
    b.PostClick((x * ScreenWidth + 1023) / 1024, (y * ScreenHeight + 767) / 768, button);
}
void ClickInside(HeadlessPlatform& b, const PageRect& r) { ClickPage(b, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2); }

// Runs the program. The main menu presses `menu` one button a visit, then
// quit. On every other page but the splash, `act` is called once per
// presented frame (per game step in a level) with the number of earlier
// calls on that page. A run that goes on too long is closed.
void RunScripted(HeadlessPlatform& b, std::vector<PageRect> menu = {},
                 std::function<void(HeadlessPlatform&, int)> act = nullptr) {
    int seen = -1, pageCalls = 0;
    size_t menuVisits = 0;
    PageBase* previous = nullptr;
    b.SetPumpCallback([&](HeadlessPlatform& p) {
        if (p.FramesPresented() == seen) return;
        seen = p.FramesPresented();
        pageCalls = currentPage == previous ? pageCalls + 1 : 0;
        previous = currentPage;
        if (seen > 5000) {
            ADD_FAILURE() << "the script did not end the program";
            p.PostClose();
        } else if (dynamic_cast<MainPage*>(currentPage)) {
            if (pageCalls == 0) ClickInside(p, menuVisits < menu.size() ? menu[menuVisits++] : MainPage::kQuitButton);
        } else if (act && !dynamic_cast<startPage*>(currentPage)) {
            act(p, pageCalls);
        }
    });
    EXPECT_EQ(platform::RunProgram(b), 0);
    b.SetPumpCallback(nullptr);
}

class SettingsProgram : public ::testing::Test {
protected:
    SettingsProgram() {
        backend.SetDesktopMode({1024, 768, 32});
        backend.SetOfferedModes({{1024, 768, 32}, {800, 600, 24}, {800, 600, 16}});
        Sound::ClearRequests();
    }
    HeadlessPlatform backend;
    ScopedGameDir dir;
};

TEST_F(SettingsProgram, FirstRunWritesDefaultsAndASecondRunReadsThemBack) {
    RunScripted(backend);
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({1024, 768, 32, 2048, 45, 0}));
    EXPECT_FALSE(dir.Exists("Settings.xml.tmp"));

    const std::string file = SettingsFile({800, 600, 16, -5, -45, -90});
    dir.Write("Settings.xml", file);
    HeadlessPlatform second;
    second.SetOfferedModes({{800, 600, 16}});
    SixValues read{};
    second.SetFrameCallback([&](const Frame&) {
        read = Values(*GameSettings);
        EXPECT_EQ(Mode(second), (std::vector<int>{800, 600, 16}));
    });
    RunScripted(second);
    EXPECT_EQ(read, (SixValues{800, 600, 16, -5, -45, -90}));
    EXPECT_EQ(dir.Read("Settings.xml"), file);
}

TEST_F(SettingsProgram, ChoicesReachTheFileButNotTheRunningDisplay) {
    RunScripted(backend, {MainPage::kOptionsButton}, [](HeadlessPlatform& b, int frame) {
        const PageRect clicks[] = {k1280x960, k16Bits, OptionsPage::kBackButton};
        if (frame < 3) ClickInside(b, clicks[frame]);
        EXPECT_EQ(Mode(b), (std::vector<int>{1024, 768, 32}));
        EXPECT_EQ(b.LastFrame().width, 1024);
    });
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({1280, 960, 16, 2048, 45, 0}));
    std::string sounds;
    for (const Sound::Request& r : Sound::Requests()) sounds += r.file + ":" + std::to_string(r.async) + " ";
    EXPECT_EQ(sounds, "Start.wav:1 Click.wav:0 Click.wav:0 Click.wav:0 Click.wav:0 GameOver.wav:0 ");
}

TEST_F(SettingsProgram, EdgeClicksAndRightClicksChangeNothing) {
    dir.Write("Settings.xml", SettingsFile({1024, 768, 32, 1, 2, 3}));
    RunScripted(backend, {MainPage::kOptionsButton}, [](HeadlessPlatform& b, int frame) {
        if (frame > 0) return ClickInside(b, OptionsPage::kBackButton);
        for (int x : {150, 300}) ClickPage(b, x, 75);
        for (int y : {50, 100, 150, 200}) ClickPage(b, 225, y);
        for (int x : {700, 1000}) ClickPage(b, x, 730);
        for (int y : {75, 175}) ClickPage(b, 225, y, 1);
        ClickPage(b, 850, 730, 1);
    });
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({1024, 768, 32, 1, 2, 3}));
    EXPECT_EQ(Sound::Requests().size(), 4u);  // start, options, back, quit
}

// Pure blue pixels lie only on the sides of `rects` (page coordinates scaled
// to the frame), and every side shows.
void ExpectOutlines(const Frame& f, const std::vector<PageRect>& rects) {
    auto sx = [&](int px) { return px * f.width / 1024.0; };
    auto sy = [&](int py) { return py * f.height / 768.0; };
    auto blue = [&](int x, int y) {
        const std::uint8_t* p = f.Pixel(x, y);
        return p[0] < 8 && p[1] < 8 && p[2] > 247;
    };
    auto on = [](int pixel, double line) { return std::abs(pixel + 0.5 - line) <= 1.5; };
    auto along = [](int pixel, double from, double to) { return pixel + 0.5 > from - 1.5 && pixel + 0.5 < to + 1.5; };
    int stray = 0;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) {
            bool onSide = false;
            for (const PageRect& r : rects)
                onSide |= ((on(x, sx(r.x1)) || on(x, sx(r.x2))) && along(y, sy(r.y1), sy(r.y2))) ||
                          ((on(y, sy(r.y1)) || on(y, sy(r.y2))) && along(x, sx(r.x1), sx(r.x2)));
            stray += blue(x, y) && !onSide;
        }
    EXPECT_EQ(stray, 0);
    auto blueNear = [&](double x, double y) {
        bool any = false;
        for (int d = 0; d < 9; ++d) any |= blue(static_cast<int>(x) + d % 3 - 1, static_cast<int>(y) + d / 3 - 1);
        return any;
    };
    for (const PageRect& r : rects) {
        double mx = sx((r.x1 + r.x2) / 2), my = sy((r.y1 + r.y2) / 2);
        EXPECT_TRUE(blueNear(sx(r.x1), my) && blueNear(sx(r.x2), my) && blueNear(mx, sy(r.y1)) &&
                    blueNear(mx, sy(r.y2)))
            << "outline at " << r.x1 << "," << r.y1;
    }
}

TEST_F(SettingsProgram, OutlinesFollowTheChoicesOnAScaledScreen) {
    // A plain grey picture, so that only the outlines are blue.
    dir.Write("Textures/OptionsPage.txu", std::string(kTextureFileBytes, '\x80'));
    backend.SetDesktopMode({800, 600, 24});  // the first run's defaults
    std::vector<Frame> frames;
    RunScripted(backend, {MainPage::kOptionsButton}, [&](HeadlessPlatform& b, int frame) {
        frames.push_back(b.LastFrame());
        ClickInside(b, frame == 0 ? k640x480 : OptionsPage::kBackButton);
    });
    ASSERT_EQ(frames.size(), 2u);
    ASSERT_EQ(frames[0].width, 800);
    ExpectOutlines(frames[0], {k800x600, k24Bits});
    ExpectOutlines(frames[1], {k640x480, k24Bits});
    // The picture is drawn in white again after the previous frame's blue.
    const std::uint8_t* middle = frames[1].Pixel(400, 500);
    EXPECT_NEAR(middle[0], 128, 3);
    EXPECT_NEAR(middle[2], 128, 3);
}

TEST_F(SettingsProgram, CameraOfAnAbandonedLevelReachesTheFile) {
    RunScripted(backend, {MainPage::kPlayButton}, [](HeadlessPlatform& b, int) {
        for (int key : {kKeyA, kKeyQ, kKeyW, kKeyW, int{VK_ESCAPE}}) b.PostKeyDown(key);
    });
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({1024, 768, 32, 2080, 55, 5}));
}

// A level 1 whose floor is a 4 by 4 field, and a cycle through all of its
// cells: rightwards along odd rows, leftwards along even rows (to column 2,
// on the top row to column 1), then down column 1. Following it the snake
// never bites itself and passes every food.
std::string OpenFieldMap() {
    std::string rows;
    for (int y = 0; y < 6; ++y) {
        rows += "<Row>";
        for (int x = 0; x < 6; ++x) rows += x % 5 && y % 5 ? "<Cell>Grass</Cell>" : "<Cell>Wall</Cell>";
        rows += "</Row>";
    }
    return "<Map><Width>6</Width><Height>6</Height><GrassT>grass</GrassT><WallT>wall</WallT>" + rows + "</Map>";
}
void FollowTheCycle(HeadlessPlatform& b, const Snake& snake) {
    int x = snake.CurrX(), y = snake.CurrY(), dx = 0, dy = 0;
    if (x == 1 && y > 1) dy = -1;
    else if (y % 2) (x < 4 ? dx : dy) = 1;
    else if (x > (y == 4 ? 1 : 2)) dx = -1;
    else dy = 1;
    if (dx == snake.nextXDir && dy == snake.nextYDir) return;
    b.PostKeyDown(dx ? (dx > 0 ? VK_RIGHT : VK_LEFT) : (dy > 0 ? VK_UP : VK_DOWN));
}

TEST_F(SettingsProgram, CameraOfACompletedLevelDoesNotReachTheNext) {
    backend.SetDesktopMode({640, 480, 32});  // small frames: this run draws hundreds
    dir.Write("Maps/Level1.map", OpenFieldMap());
    int levelOneAngle = 0, levelTwoAngle = -1;
    RunScripted(backend, {MainPage::kPlayButton}, [&](HeadlessPlatform& b, int call) {
        auto* game = dynamic_cast<Engine*>(currentPage);
        if (!game) return;
        if (game->level == 1) {
            if (call == 0) b.PostKeyDown(kKeyA);
            levelOneAngle = game->ZAngle();
            FollowTheCycle(b, *game->GetSnake());
        } else {
            levelTwoAngle = game->ZAngle();
            b.PostKeyDown(VK_ESCAPE);
        }
    });
    EXPECT_EQ(levelOneAngle, 5);
    EXPECT_EQ(levelTwoAngle, 0);
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({640, 480, 32, 2048, 45, 0}));
}

}  // namespace
