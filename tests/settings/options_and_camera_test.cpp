// The settings file through whole runs of the program on the off-screen
// backend: a later start, the options page, the camera.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "Engine/engine.h"
#include "Engine/mapfile.h"
#include "Engine/snake.h"
#include "Engine/texturelist.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "gamedir.h"
#include "settings_support.h"
#include "sound_log.h"
#include "texturefile.h"

namespace {

using platform::Frame;
using platform::HeadlessPlatform;

const PageRect k640x480 = kScreenSizeChoices[0].rect, k1280x960 = kScreenSizeChoices[3].rect;
const PageRect k16Bits = kColourDepthChoices[0].rect, k24Bits = kColourDepthChoices[1].rect;

// The main menu presses `menu` one button a visit, then quit; `act` runs on
// every other page but the splash.
void RunThrough(HeadlessPlatform& b, std::vector<PageRect> menu = {},
                std::function<void(HeadlessPlatform&, int)> act = nullptr) {
    size_t visits = 0;
    EXPECT_EQ(RunScripted(b, [&](HeadlessPlatform& p, int calls) {
                  if (dynamic_cast<MainPage*>(currentPage)) {
                      if (calls == 0) ClickInside(p, visits < menu.size() ? menu[visits++] : kQuitButton);
                  } else if (act && !dynamic_cast<startPage*>(currentPage)) {
                      act(p, calls);
                  }
              }),
              0);
}

class SettingsProgram : public ::testing::Test {
protected:
    HeadlessPlatform backend;  // a 640 by 480 desktop
    ScopedGameDir dir;
};

// Pure blue pixels lie only on the sides of `rects` (page coordinates scaled
// to the frame), and every side shows.
void ExpectOutlines(const Frame& f, const std::vector<PageRect>& rects) {
    const double sx = f.width / double(kPageWidth), sy = f.height / double(kPageHeight);
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
                onSide |= ((on(x, r.x1 * sx) || on(x, r.x2 * sx)) && along(y, r.y1 * sy, r.y2 * sy)) ||
                          ((on(y, r.y1 * sy) || on(y, r.y2 * sy)) && along(x, r.x1 * sx, r.x2 * sx));
            stray += blue(x, y) && !onSide;
        }
    EXPECT_EQ(stray, 0);
    for (const PageRect& r : rects) {
        const double mx = (r.x1 + r.x2) / 2 * sx, my = (r.y1 + r.y2) / 2 * sy;
        for (auto side : {std::make_pair(r.x1 * sx, my), std::make_pair(r.x2 * sx, my), std::make_pair(mx, r.y1 * sy),
                          std::make_pair(mx, r.y2 * sy)}) {
            bool shows = false;
            for (int d = 0; d < 9; ++d) shows |= blue(int(side.first) + d % 3 - 1, int(side.second) + d / 3 - 1);
            EXPECT_TRUE(shows) << "outline at " << r.x1 << "," << r.y1;
        }
    }
}

// A later run starts in the file's mode, on a scaled screen where every page
// pixel is still reachable. Choices reach the outlines and the file but not
// the running display; releases on an edge or with the right button change
// nothing.
TEST_F(SettingsProgram, OptionsPageClicksAndOutlines) {
    backend.SetOfferedModes({{1280, 960, 24}});
    dir.Write("Settings.xml", SettingsFile({1280, 960, 24, -5, -45, -90}));
    dir.Write("Textures/OptionsPage.txu", std::string(kTextureFileBytes, '\x80'));  // grey: only outlines are blue
    std::vector<Frame> frames;
    RunThrough(backend, {kOptionsButton}, [&](HeadlessPlatform& b, int frame) {
        frames.push_back(b.LastFrame());
        EXPECT_EQ(std::make_pair(b.ModeInForce().width, b.ModeInForce().bitsPerPixel), std::make_pair(1280, 24));
        if (frame == 0) {
            for (int x : {150, 300}) ClickPage(b, x, 75);
            for (int y : {50, 100, 150, 200}) ClickPage(b, 225, y);
            for (int x : {700, 1000}) ClickPage(b, x, 730);
            for (int y : {75, 175}) ClickPage(b, 225, y, 1);
            return ClickPage(b, 850, 730, 1);
        }
        if (frame == 1) {
            EXPECT_EQ(Values(*GameSettings), (SixValues{1280, 960, 24, -5, -45, -90}));
        }
        const PageRect clicks[] = {k640x480, k16Bits, kBackButton};
        if (frame < 4) ClickInside(b, clicks[frame - 1]);
    });
    ASSERT_EQ(frames.size(), 4u);
    const std::vector<PageRect> outlines[] = {{k1280x960, k24Bits}, {k1280x960, k24Bits}, {k640x480, k24Bits}, {k640x480, k16Bits}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(frames[i].width, 1280);
        ExpectOutlines(frames[i], outlines[i]);
    }
    // The picture is drawn in white again after the previous frame's blue.
    EXPECT_NEAR(frames[3].Pixel(400, 500)[0], 128, 3);
    EXPECT_NEAR(frames[3].Pixel(400, 500)[2], 128, 3);
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({640, 480, 16, -5, -45, -90}));
    EXPECT_EQ(SoundLog(backend), "Start.wav:1 Click.wav:0 Click.wav:0 Click.wav:0 Click.wav:0 GameOver.wav:0");
}

// Level 1 on a 4 by 4 field, played along a cycle through all its cells
// (rightwards on odd rows, leftwards on even rows, back down column 1), so
// the snake never bites itself and passes every food. Level 2 starts with
// level 1's camera and is abandoned with escape.
TEST_F(SettingsProgram, CameraCarriesFromACompletedLevelIntoTheNextAndTheFile) {
    const std::vector<std::string> rows = {"######", "#....#", "#....#", "#....#", "#....#", "######"};
    dir.Write("Maps/Level1.map", MapFileText(MapFromRows(rows, kGrass, kHedge)));
    int levelOneAngle = 0;
    RunThrough(backend, {kPlayButton}, [&](HeadlessPlatform& b, int call) {
        auto* game = dynamic_cast<Engine*>(currentPage);
        if (!game) return;
        if (game->level != 1) {
            // A held escape repeats within one pump: still one menu, and the leak checker sees no second.
            for (int key : {int{'A'}, int{'Q'}, int{'W'}, int{'W'}, int{VK_ESCAPE}, int{VK_ESCAPE}}) b.PostKeyDown(key);
            return;
        }
        if (call == 0) b.PostKeyDown('A');
        levelOneAngle = game->ZAngle();
        const Snake& snake = *game->GetSnake();
        int x = snake.CurrX(), y = snake.CurrY(), dx = 0, dy = 0;
        if (x == 1 && y > 1) dy = -1;
        else if (y % 2) (x < 4 ? dx : dy) = 1;
        else if (x > (y == 4 ? 1 : 2)) dx = -1;
        else dy = 1;
        if (dx != snake.nextXDir || dy != snake.nextYDir) {
            b.PostKeyDown(dx ? (dx > 0 ? VK_RIGHT : VK_LEFT) : (dy > 0 ? VK_UP : VK_DOWN));
        }
    });
    EXPECT_EQ(levelOneAngle, 5);
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({640, 480, 32, 2080, 55, 10}));
}

}  // namespace
