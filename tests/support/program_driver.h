// Runs the whole program on the off-screen backend, from the splash to the window being closed, with a
// scripted player in the message pump. Header only: the game's tests and the soak benchmark use it too.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Engine/engine.h"
#include "MenuPages/congratulationspage.h"
#include "MenuPages/gameoverpage.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/pagelayout.h"
#include "MenuPages/startpage.h"
#include "globals.h"
#include "headless.h"
#include "run_program.h"

struct ProgramDriver {
    // What the player does at a game step: return an arrow key or 0.
    std::function<int(const Engine&)> steer;
    // Called at every game step (for checks).
    std::function<void(const Engine&)> watch;
    // Called with every frame presented while a level runs.
    std::function<void(const platform::Frame&)> frame;
    // Called with each page's name as it becomes current.
    std::function<void(const std::string&)> onPage;
    // Ends the run (closes the window) after this many game steps in all.
    long maxSteps = 50000;
    // Games to play: the window is closed when the menu comes back after the last.
    int games = 1;

    // The pages in the order they became current: "start", "menu", "level N", "gameover", "congratulations"...
    std::vector<std::string> pages;
    long steps = 0;

    static std::string PageName(PageBase* page) {
        if (auto* e = dynamic_cast<Engine*>(page)) return "level " + std::to_string(e->level);
        if (dynamic_cast<MainPage*>(page)) return "menu";
        if (dynamic_cast<startPage*>(page)) return "start";
        if (dynamic_cast<gameoverPage*>(page)) return "gameover";
        if (dynamic_cast<congratulationsPage*>(page)) return "congratulations";
        if (dynamic_cast<OptionsPage*>(page)) return "options";
        return "unknown";
    }

    // Clicks play on the main menu until `games` were played; returns the program's exit status.
    int Run(platform::HeadlessPlatform& backend) {
        PageBase* seen = nullptr;
        long engineSteps = -1;
        int menus = 0;
        bool closing = false, seenFinishing = false;
        auto close = [&] {
            closing = true;
            backend.PostClose();
        };
        backend.SetFrameCallback([this](const platform::Frame& f) {
            if (frame && dynamic_cast<Engine*>(currentPage)) frame(f);
        });
        backend.SetPumpCallback([&](platform::HeadlessPlatform& b) {
            if (closing) return;
            // A new page may reuse the address of one just freed; it still
            // starts unfinished.
            const bool newPage = currentPage != seen || (seenFinishing && currentPage && !currentPage->finishRun);
            seenFinishing = currentPage && currentPage->finishRun;
            if (newPage) {
                seen = currentPage;
                engineSteps = -1;
                pages.push_back(PageName(currentPage));
                if (onPage) onPage(pages.back());
                if (pages.back() == "menu" && menus++ == games) return close();
                if (pages.back() == "menu")  // the middle of the play button, in client pixels
                    return b.PostClick((kPlayButton.x1 + kPlayButton.x2) / 2 * ScreenWidth / kPageWidth,
                                       (kPlayButton.y1 + kPlayButton.y2) / 2 * ScreenHeight / kPageHeight);
            }
            auto* engine = dynamic_cast<Engine*>(currentPage);
            if (!engine || engine->Steps() == engineSteps) return;
            // Once per game step: the pump runs again after delivering a key.
            engineSteps = engine->Steps();
            if (engineSteps > 0) {
                steps++;
                if (watch) watch(*engine);
            }
            if (steps >= maxSteps) return close();
            if (int key = steer ? steer(*engine) : 0) b.PostKeyDown(key);
        });
        return platform::RunProgram(backend);
    }
};
