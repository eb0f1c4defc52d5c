// A game test's world: a private game folder, the off-screen backend with a
// window and GL context of a chosen size, the settings and the text writer,
// as the program's start-up leaves them, without running any page.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamedir.h"
#include "headless.h"

class GameTest : public ::testing::Test {
protected:
    GameTest();
    ~GameTest() override;

    // Brings up the window and context at this size (call once per test).
    void StartGraphics(int width = 160, int height = 120);

    // Writes Maps/Level<level>.map from rows drawn as the player sees them
    // ('#' wall, '.' floor; the last row is row 0), with these textures.
    void WriteMap(int level, const std::vector<std::string>& rows, const std::string& grass = "grass",
                  const std::string& wall = "hedge");
    // Writes Textures/<name>.txu where the 16 by 16 texel block (bx, by)
    // has the colour `colour(bx, by)` as 0xRRGGBB.
    template <typename F>
    void WriteTexture(const std::string& name, F colour) {
        std::string bytes(256 * 256 * 3, '\0');
        for (int t = 0; t < 256; t++)
            for (int s = 0; s < 256; s++) {
                unsigned rgb = colour(s / 16, t / 16);
                size_t i = (static_cast<size_t>(t) * 256 + s) * 3;
                bytes[i] = static_cast<char>(rgb >> 16);
                bytes[i + 1] = static_cast<char>(rgb >> 8);
                bytes[i + 2] = static_cast<char>(rgb);
            }
        dir.Write("Textures/" + name + ".txu", bytes);
    }

    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
};

// The food cell that the 15-bit generator seeded with `seed` gives on a
// width by height grid for a snake in its starting cells, by the placement
// rule: draw x, then y, until a cell is inside, off the snake and not a wall.
struct FoodCell {
    int x, y;
};
FoodCell ExpectedFood(unsigned seed, const std::vector<std::string>& rows);
