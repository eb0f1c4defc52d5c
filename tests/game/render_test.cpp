// What the game page puts on the screen, read back from presented frames.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Engine/engine.h"
#include "Engine/food.h"
#include "Engine/snake.h"
#include "game_fixture.h"
#include "proc.h"
#include "settings.h"

namespace {

const double kTanHalfFov = std::tan(22.5 * M_PI / 180.0);

// Screen pixel (from the top-left) of an eye-space point, for the game's
// 45-degree projection.
struct Pixel {
    int x, y;
};
Pixel Project(double ex, double ey, double ez) {
    const double w = ScreenWidth, h = ScreenHeight;
    double nx = ex / -ez / kTanHalfFov / (w / h);
    double ny = ey / -ez / kTanHalfFov;
    return {static_cast<int>(std::floor(w / 2 + nx * w / 2)), static_cast<int>(std::floor(h / 2 - ny * h / 2))};
}

unsigned Rgb(const platform::Frame& f, Pixel p) {
    const std::uint8_t* c = f.Pixel(p.x, p.y);
    return (unsigned{c[0]} << 16) | (unsigned{c[1]} << 8) | c[2];
}

int LitPixels(const platform::Frame& f) {
    int n = 0;
    for (int y = 0; y < f.height; y++)
        for (int x = 0; x < f.width; x++) n += f.Pixel(x, y)[0] + f.Pixel(x, y)[1] + f.Pixel(x, y)[2] > 0;
    return n;
}

class RenderTest : public GameTest {
protected:
    // The camera straight above the field, as close as the keys allow.
    void LookStraightDown() {
        GameSettings->engineXAngle = 0;
        GameSettings->engineDistance = 1024;
        GameSettings->engineZAngle = 0;
    }
    Engine& Start() {
        engine = std::make_unique<Engine>(1);
        engine->Initialize();
        return *engine;
    }
    void TearDown() override {
        if (engine) engine->Finish();
    }
    std::unique_ptr<Engine> engine;
};

struct ReadOutCase {
    int width, height;
    bool shown;
};

class ReadOutTest : public RenderTest, public ::testing::WithParamInterface<ReadOutCase> {};

// The read-out starts at x = -200 in the plane 384 units ahead: inside the
// view only when the screen is at least about 1.257 times wider than high.
TEST_P(ReadOutTest, TheReadOutIsDrawnOnlyWhereItsStartIsInView) {
    StartGraphics(GetParam().width, GetParam().height);
    Engine& e = Start();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    e.DrawExtras();
    SwapGLBuffers();
    const platform::Frame& f = backend.LastFrame();
    if (GetParam().shown) {
        EXPECT_GT(LitPixels(f), 50);
    } else {
        EXPECT_EQ(LitPixels(f), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ReadOutTest,
                         ::testing::Values(ReadOutCase{320, 240, true}, ReadOutCase{400, 240, true},
                                           ReadOutCase{320, 256, false}, ReadOutCase{300, 300, false}));

TEST_F(RenderTest, CellsShowTheirSixteenthOfTheTextureWhereTheGridPutsThem) {
    StartGraphics(640, 480);
    LookStraightDown();
    // Each 16-texel block of the probe textures has its own colour, so the
    // colour seen over a cell tells which part of the texture it shows.
    WriteTexture("probefloor", [](int bx, int by) { return unsigned(bx * 16 + 8) << 16 | unsigned(by * 16 + 8) << 8; });
    WriteTexture("probewall",
                 [](int bx, int by) { return unsigned(bx * 16 + 8) << 16 | unsigned(by * 16 + 8) << 8 | 0xFF; });
    const std::vector<std::string> rows = {"##########", "#........#", "#..#.#...#", "#....#...#", "#........#",
                                           "##########"};
    WriteMap(1, rows, "probefloor", "probewall");
    Engine& e = Start();
    // Unlit, so the colours are the texels themselves; shading is not what
    // this test looks at.
    glDisable(GL_LIGHTING);
    e.Draw();
    SwapGLBuffers();
    const platform::Frame& f = backend.LastFrame();

    const int cx = e.GetSnake()->CurrX(), cy = e.GetSnake()->CurrY();
    int checked = 0;
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 10; x++) {
            if (!e.GetSnake()->IsClear(x, y) || (e.GetFood()->x == x && e.GetFood()->y == y)) continue;
            const bool wall = rows[5 - y][x] == '#';
            const unsigned expected = unsigned(x * 16 + 8) << 16 | unsigned(y * 16 + 8) << 8 | (wall ? 0xFF : 0);
            const double z = wall ? 32 : 1;
            // Centre and four points a quarter cell inside the corners (nearer
            // the edge a neighbouring wall block may hide the floor): the cell
            // covers 64x to 64x + 64 and 64y to 64y + 64.
            const double inset[5][2] = {{32, 32}, {16, 16}, {48, 16}, {16, 48}, {48, 48}};
            for (const auto& in : inset) {
                Pixel p = Project(64.0 * (x - cx) + in[0], 64.0 * (y - cy) + in[1], z - 1024);
                EXPECT_EQ(Rgb(f, p), expected) << "cell (" << x << ", " << y << ") at +" << in[0] << ",+" << in[1];
            }
            checked++;
        }
    EXPECT_EQ(checked, 10 * 6 - 4);
}

TEST_F(RenderTest, TheFiveFramesOfAStepGlideFromTheLastCellToAFifthShortOfTheNext) {
    StartGraphics(640, 480);
    LookStraightDown();
    WriteTexture("grey", [](int, int) { return 0x808080u; });
    const std::vector<std::string> rows = {"############", "#..........#", "############"};
    WriteMap(1, rows, "grey", "grey");
    unsigned seed = 1;
    while (ExpectedFood(seed, rows).x != 7) seed++;
    backend.SetCalendarSeconds(seed);
    backend.KeepAllFrames(true);
    Engine& e = Start();
    e.Work();  // head from (3, 1) to (4, 1)
    ASSERT_EQ(backend.AllFrames().size(), 5u);

    const double expectedK[] = {-1.0, -0.8, -0.6, -0.4, -0.2};
    const double unitsPerPixel = (1024 - 32) * kTanHalfFov * (640.0 / 480) / 320;
    for (int i = 0; i < 5; i++) {
        // The food stands still; the camera follows the gliding head, so the
        // food's blue shows where the head was drawn.
        const platform::Frame& f = backend.AllFrames()[i];
        double sum = 0;
        int n = 0;
        for (int y = 0; y < f.height; y++)
            for (int x = 0; x < f.width; x++) {
                const std::uint8_t* c = f.Pixel(x, y);
                if (c[2] > 40 && c[0] == 0 && c[1] == 0) sum += x + 0.5, n++;
            }
        ASSERT_GT(n, 0) << "frame " << i;
        double foodEyeX = (sum / n - 320) * unitsPerPixel;
        double k = (64.0 * 7 + 32 - foodEyeX) / 64 - 4;
        EXPECT_NEAR(k, expectedK[i], 0.03) << "frame " << i;
    }
}

}  // namespace
