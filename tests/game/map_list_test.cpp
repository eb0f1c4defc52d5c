// The map's compiled cells, of which a frame replays only those the view can reach, draw the pixels that
// drawing every cell one at a time gives: every shipped level and a 128 by 128 map, through the camera.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Engine/map.h"
#include "Engine/mapfile.h"
#include "Engine/texturelist.h"
#include "headless_world.h"

namespace {

const int kWidth = 200, kHeight = 150;

struct View {
    double distance, xAngle, zAngle, cellX, cellY;
};

// The map through `view`, lit as the game lights it.
std::vector<unsigned char> Render(const Map& map, const View& view, bool compiled) {
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(kWidth) / kHeight, 100.0, 8192.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslated(0, 0, -view.distance);
    glRotated(-view.xAngle, 1, 0, 0);
    glRotated(-view.zAngle, 0, 0, 1);
    glTranslated(-64 * view.cellX, -64 * view.cellY * std::cos(view.xAngle / 57.325), 0);
    const GLfloat light[4] = {static_cast<GLfloat>(32 * map.width), 100, 256, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    compiled ? map.Draw() : map.DrawCells();
    glFinish();
    std::vector<unsigned char> pixels(static_cast<size_t>(kWidth) * kHeight * 4);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Walls round the edge and scattered inside.
std::string SquareMap(int side) {
    std::vector<std::string> rows(side, std::string(side, '.'));
    for (int y = 0; y < side; y++)
        for (int x = 0; x < side; x++)
            if (x == 0 || y == 0 || x == side - 1 || y == side - 1 || (x * y) % 7 == 3) rows[y][x] = '#';
    return MapFileText(MapFromRows(rows, kMoss, kCobble));
}

TEST(MapDrawing, CompiledCellsDrawTheSamePixels) {
    HeadlessWorld world(kWidth, kHeight);
    world.dir.Write("Maps/Big.map", SquareMap(128));
    for (int level = 1; level <= 11; level++) {
        const std::string name = level <= 10 ? "Level" + std::to_string(level) : "Big";
        SCOPED_TRACE(name);
        Map map(name.c_str());
        ASSERT_EQ(map.LoadMap(), 1) << map.Error();
        // Near a corner, looking down and far across; the middle, turned.
        const View views[] = {
            {1024, 0, 0, 3, 1}, {4096, 90, 0, 3, 1}, {2048, 45, 135, map.width / 2.0, map.height / 2.0}};
        for (const View& view : views) {
            const std::vector<unsigned char> cells = Render(map, view, false);
            EXPECT_TRUE(Render(map, view, true) == cells) << "view at " << view.cellX << ", " << view.xAngle;
            // Something was drawn: not every pixel is the clear colour.
            EXPECT_NE(std::count(cells.begin(), cells.end(), 0), static_cast<long>(cells.size()));
        }
        map.FreeTextures();
    }
}

}  // namespace
