// What the game page puts on the screen, read back from presented frames.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "Engine/food.h"
#include "Engine/snake.h"
#include "game_fixture.h"
#include "settings.h"

namespace {

const double kTanHalfFov = std::tan(22.5 * M_PI / 180.0);

// Screen pixel (from the top-left) of an eye-space point, for the game's 45-degree projection.
std::pair<int, int> Project(double ex, double ey, double ez) {
    const double w = ScreenWidth, h = ScreenHeight;
    double nx = ex / -ez / kTanHalfFov / (w / h), ny = ey / -ez / kTanHalfFov;
    return {static_cast<int>(std::floor(w / 2 + nx * w / 2)), static_cast<int>(std::floor(h / 2 - ny * h / 2))};
}

unsigned Rgb(const platform::Frame& f, int x, int y) {
    const std::uint8_t* c = f.Pixel(x, y);
    return (unsigned{c[0]} << 16) | (unsigned{c[1]} << 8) | c[2];
}

// Whether channel (0 red, 1 green, 2 blue) of a pixel outshines the other two: the head, the body, the food.
bool Outshines(const std::uint8_t* c, int channel) {
    return c[channel] > 40 && c[channel] > 2 * c[(channel + 1) % 3] && c[channel] > 2 * c[(channel + 2) % 3];
}

class RenderTest : public GameTest {
protected:
    // A 640 by 480 screen with the camera straight above, as close as the keys allow.
    void LookStraightDown() {
        StartGraphics(640, 480);
        GameSettings->engineXAngle = 0;
        GameSettings->engineDistance = 1024;
        GameSettings->engineZAngle = 0;
    }
    // Textures/<name>.txu whose 16 by 16 texel block (bx, by) has colour(bx, by).
    template <typename F>
    void WriteTexture(const std::string& name, F colour) {
        std::string bytes;
        for (int i = 0; i < 256 * 256; i++) {
            const unsigned rgb = colour(i % 256 / 16, i / 256 / 16);
            bytes += {static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8), static_cast<char>(rgb)};
        }
        dir.Write("Textures/" + name + ".txu", bytes);
    }
};

// The read-out starts at x = -200, 384 units ahead: in view only when the screen is 1.257 times wider than high.
TEST_F(RenderTest, TheReadOutIsDrawnOnlyWhereItsStartIsInView) {
    const std::tuple<int, int, bool> screens[] = {
        {320, 240, true}, {400, 240, true}, {320, 256, false}, {300, 300, false}};  // width, height, shown
    for (auto [width, height, shown] : screens) {
        StartGraphics(width, height);
        Engine& e = Start();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        e.DrawExtras();
        SwapGLBuffers();
        const int lit = LitPixels(backend.LastFrame());
        EXPECT_TRUE(shown ? lit > 50 : lit == 0) << width << "x" << height << ": " << lit << " pixels lit";
        Stop();
        ReleaseProgram();
    }
}

TEST_F(RenderTest, CellsShowTheirSixteenthOfTheTextureWhereTheGridPutsThem) {
    LookStraightDown();
    // Each texel block has its own colour, telling which part of the texture a cell shows; walls add blue.
    auto probe = [](unsigned blue) {
        return [blue](int bx, int by) { return unsigned(bx * 16 + 8) << 16 | unsigned(by * 16 + 8) << 8 | blue; };
    };
    WriteTexture("probefloor", probe(0));
    WriteTexture("probewall", probe(0xFF));
    const std::vector<std::string> rows = {"##########", "#........#", "#..#.#...#", "#....#...#", "#........#",
                                           "##########"};
    WriteMap(1, rows, "probefloor", "probewall");
    Engine& e = Start();
    glDisable(GL_LIGHTING);  // the texels themselves, unshaded
    e.Draw(0.0f);
    const platform::Frame& f = backend.LastFrame();

    const int cx = e.GetSnake()->CurrX(), cy = e.GetSnake()->CurrY();
    int checked = 0;
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 10; x++) {
            if (!e.GetSnake()->IsClear(x, y) || (e.GetFood()->x == x && e.GetFood()->y == y)) continue;
            const bool wall = rows[5 - y][x] == '#';
            // The centre and four points a quarter cell in (nearer the edge a wall block may hide the floor).
            for (auto [ix, iy] : {std::pair{32, 32}, {16, 16}, {48, 16}, {16, 48}, {48, 48}}) {
                auto [px, py] = Project(64.0 * (x - cx) + ix, 64.0 * (y - cy) + iy, (wall ? 32 : 1) - 1024);
                EXPECT_EQ(Rgb(f, px, py), probe(wall ? 0xFF : 0)(x, y)) << "cell (" << x << ", " << y << ") at +"
                                                                            << ix << ",+" << iy;
            }
            checked++;
        }
    EXPECT_EQ(checked, 10 * 6 - 4);
}

// The camera follows the gliding head: in every frame the snake stands still while the food slides past.
TEST_F(RenderTest, TheFiveFramesOfAStepGlideFromTheLastCellToAFifthShortOfTheNext) {
    LookStraightDown();
    WriteTexture("grey", [](int, int) { return 0x808080u; });
    const std::vector<std::string> rows = {"############", "#..........#", "############"};
    WriteMap(1, rows, "grey", "grey");
    Engine& e = StartWithFoodAt(7, 1);
    backend.KeepAllFrames(true);
    e.Work();  // head from (3, 1) to (4, 1)
    ASSERT_EQ(backend.AllFrames().size(), 5u);

    const double unitsPerPixel = (1024 - 32) * kTanHalfFov * (640.0 / 480) / 320;
    for (int i = 0; i < 5; i++) {
        const platform::Frame& f = backend.AllFrames()[i];
        // Mean eye-space x of the pixels where channel (0 red, 1 green, 2 blue) outshines the other two.
        auto eyeX = [&f, unitsPerPixel](int channel) {
            double sum = 0;
            int n = 0;
            for (int y = 0; y < f.height; y++)
                for (int x = 0; x < f.width; x++) {
                    if (Outshines(f.Pixel(x, y), channel)) sum += x + 0.5, n++;
                }
            return n ? (sum / n - 320) * unitsPerPixel : 1e9;
        };
        const double k = -1.0 + 0.2 * i;
        EXPECT_NEAR((64.0 * 7 + 32 - eyeX(2)) / 64 - 4, k, 0.03) << "food, frame " << i;
        EXPECT_NEAR(eyeX(0), 32, 3) << "head, frame " << i;
        EXPECT_NEAR(eyeX(1), 32 - 64 * 1.5, 3) << "body, frame " << i;
    }
}

// The scene is lit: across each sphere of a presented frame the shading
// runs from the side facing the light to the side turned away.
TEST_F(RenderTest, SpheresAreShadedAcrossTheirFace) {
    LookStraightDown();
    WriteTexture("grey", [](int, int) { return 0x808080u; });
    WriteMap(1, {"#######", "#.....#", "#######"}, "grey", "grey");
    Engine& e = StartWithFoodAt(5, 1);
    e.Work();
    const platform::Frame& f = backend.LastFrame();
    for (int channel : {0, 1, 2}) {  // the head, the body, the food
        int darkest = 255, brightest = 0;
        for (int y = 0; y < f.height; y++)
            for (int x = 0; x < f.width; x++)
                if (Outshines(f.Pixel(x, y), channel)) {
                    darkest = std::min<int>(darkest, f.Pixel(x, y)[channel]);
                    brightest = std::max<int>(brightest, f.Pixel(x, y)[channel]);
                }
        EXPECT_GT(brightest - darkest, 100) << "channel " << channel << ": " << darkest << " to " << brightest;
    }
}

}  // namespace
