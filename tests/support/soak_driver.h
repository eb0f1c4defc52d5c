// Plays whole games in one run of the program on the off-screen backend, steered by the test-side player,
// from the main menu's play button back to the menu, again and again.
#pragma once

#include <string>
#include <vector>

#include "headless.h"

struct SoakRun {
    // Games to play; the window is closed when the menu returns after the last.
    int games = 3;
    // A game still going after this many steps is left with Escape.
    long maxStepsPerGame = 3000;

    // One entry per game, taken when the menu came back: resident memory in bytes; how it ended ("gameover",
    // "congratulations", "escape" at the step limit, "menu": the page gave up); the highest level (0: none).
    std::vector<long> residentAfterGame;
    std::vector<std::string> endings;
    std::vector<int> levels;
    long steps = 0;

    // Runs the program; returns its exit status.
    int Play(platform::HeadlessPlatform& backend);
};
