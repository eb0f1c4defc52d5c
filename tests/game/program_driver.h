// Runs the whole program on the off-screen backend, from the splash to the
// window being closed, with a scripted player in the message pump.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "headless.h"

class Engine;

struct ProgramDriver {
    // What the player does at a game step: return an arrow key or 0.
    std::function<int(const Engine&)> steer;
    // Called at every pump while a level runs (for checks).
    std::function<void(const Engine&)> watch;
    // Called with every frame presented while a level runs.
    std::function<void(const platform::Frame&)> frame;
    // Ends the run (closes the window) after this many game steps in all.
    long maxSteps = 50000;

    // The pages in the order they became current: "start", "menu",
    // "level N", "gameover", "congratulations", "options".
    std::vector<std::string> pages;
    long steps = 0;

    // Clicks play on the first main menu, closes the window when the menu
    // comes back; returns the program's exit status.
    int Run(platform::HeadlessPlatform& backend);
};
