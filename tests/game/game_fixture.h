// A game test's world: a private game folder and the off-screen backend with
// a window, settings and text writer as start-up leaves them; no page runs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "autoplayer.h"
#include "gamedir.h"
#include "headless_world.h"
#include "program_driver.h"
#include "sound_log.h"

// Map text from rows drawn as the player sees them ('#' wall, '.' floor; the last row is row 0).
std::string RowXml(const std::string& cells);
std::string MapXml(const std::vector<std::string>& rows, const std::string& grass = "grass",
                   const std::string& wall = "hedge");

class GameTest : public ::testing::Test {
protected:
    GameTest() { platform::Install(&backend); }
    ~GameTest() override {
        ReleaseProgram();  // frees whatever start-up made, any queued page included
        platform::Install(nullptr);
    }
    void TearDown() override { Stop(); }

    // Brings up the window and context at this size (again only after ReleaseProgram).
    void StartGraphics(int width = 160, int height = 120) {
        ASSERT_TRUE(StartHeadlessGraphics(backend, width, height));
    }
    // Writes Maps/Level<level>.map from rows as the player sees them.
    void WriteMap(int level, const std::vector<std::string>& rows, const std::string& grass = "grass",
                  const std::string& wall = "hedge") {
        dir.Write("Maps/Level" + std::to_string(level) + ".map", MapXml(rows, grass, wall));
    }
    // A fresh initialised page for `level`, finishing the previous one.
    Engine& Start(int level = 1) {
        Stop();
        engine = std::make_unique<Engine>(level);
        engine->Initialize();
        return *engine;
    }
    void Stop() {
        if (engine) engine->Finish();
        engine.reset();
    }

    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
    std::unique_ptr<Engine> engine;
};

// The whole program on a small desktop (quick to render; the game takes its size).
struct SmallProgram {
    SmallProgram() { backend.SetDesktopMode({160, 120, 24}); }
    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
    ProgramDriver driver;
    Autoplayer player;
};

// The first food cell for `seed` by the placement rule, for a snake in its starting cells: draw x, then y,
// until a cell is inside, off the snake and not a wall.
std::pair<int, int> ExpectedFood(unsigned seed, const std::vector<std::string>& rows);
unsigned SeedPlacingFoodAt(int x, int y, const std::vector<std::string>& rows);

// The pixels of a frame that are not black.
int LitPixels(const platform::Frame& f);
