// A game test's world: a private game folder and the off-screen backend as start-up leaves it; no page runs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Engine/food.h"
#include "Engine/gamefiles.h"
#include "Engine/mapfile.h"
#include "Engine/texturelist.h"
#include "autoplayer.h"
#include "gamedir.h"
#include "headless_world.h"
#include "program_driver.h"
#include "sound_log.h"

// Map text from rows drawn as the player sees them ('#' wall, '.' floor; the last row is row 0).
inline std::string MapText(const std::vector<std::string>& rows, const std::string& grass = kGrass,
                           const std::string& wall = kHedge) {
    return MapFileText(MapFromRows(rows, grass, wall));
}

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
    // Writes the map of `level` from rows as the player sees them.
    void WriteMap(int level, const std::vector<std::string>& rows, const std::string& grass = kGrass,
                  const std::string& wall = kHedge) {
        dir.Write("Maps/" + LevelMapName(level) + ".map", MapText(rows, grass, wall));
    }
    // A fresh initialised page for `level`, finishing the previous one.
    Engine& Start(int level = 1) {
        Stop();
        engine = std::make_unique<Engine>(level);
        engine->Initialize();
        return *engine;
    }
    // Starts `level` at the first calendar time whose first food lands on (x, y).
    Engine& StartWithFoodAt(int x, int y, int level = 1) {
        for (long seconds = 1;; seconds++) {
            backend.SetCalendarSeconds(seconds);
            const Food* food = Start(level).GetFood();
            if (food && food->x == x && food->y == y) return *engine;
        }
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

// The pixels of a frame that are not black.
inline int LitPixels(const platform::Frame& f) {
    int lit = 0;
    for (size_t i = 0; i < f.rgba.size(); i += 4) lit += (f.rgba[i] | f.rgba[i + 1] | f.rgba[i + 2]) != 0;
    return lit;
}
