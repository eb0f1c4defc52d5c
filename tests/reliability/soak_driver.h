// Plays whole games in one run of the program on the off-screen backend:
// from the main menu's play button, steered by the test-side player, to the
// game-over or congratulations page and back to the menu, again and again.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "headless.h"

class Engine;

struct SoakRun {
    // Games to play; the window is closed when the menu returns after the last.
    int games = 3;
    // A game still going after this many steps is left with Escape.
    long maxStepsPerGame = 3000;
    // Called once per game step before the player moves; returning true
    // takes the step's turn from the player (the hook may post keys).
    std::function<bool(const Engine&, platform::HeadlessPlatform&)> onStep;

    // Resident memory in bytes each time the menu came back, one per game.
    std::vector<long> residentAfterGame;
    // How each game ended: "gameover", "congratulations", "escape" (the
    // step limit), or "menu" (the game page gave up by itself).
    std::vector<std::string> endings;
    // Highest level reached in each game.
    std::vector<int> levels;
    long steps = 0;

    // Runs the program; returns its exit status.
    int Play(platform::HeadlessPlatform& backend);
};

// Resident memory of this process, in bytes (from /proc/self/statm).
long ResidentBytes();
