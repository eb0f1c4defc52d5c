#include "soak_driver.h"

#include <unistd.h>

#include <cstdio>

#include "Engine/engine.h"
#include "MenuPages/congratulationspage.h"
#include "MenuPages/gameoverpage.h"
#include "MenuPages/mainpage.h"
#include "autoplayer.h"
#include "proc.h"

long ResidentBytes() {
    long size = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return 0;
    if (std::fscanf(f, "%ld %ld", &size, &resident) != 2) resident = 0;
    std::fclose(f);
    return resident * sysconf(_SC_PAGESIZE);
}

int SoakRun::Play(platform::HeadlessPlatform& backend) {
    PageBase* seen = nullptr;
    long lastStep = -1;
    long gameSteps = 0;
    bool closing = false;
    bool escaped = false;
    Autoplayer player;
    backend.SetPumpCallback([&](platform::HeadlessPlatform& b) {
        if (closing) return;
        if (currentPage != seen) {
            seen = currentPage;
            lastStep = -1;
            if (dynamic_cast<gameoverPage*>(currentPage)) endings.push_back("gameover");
            if (dynamic_cast<congratulationsPage*>(currentPage)) endings.push_back("congratulations");
            if (auto* engine = dynamic_cast<Engine*>(currentPage)) {
                if (engine->level == 1) {
                    player = Autoplayer();
                    levels.push_back(1);
                    gameSteps = 0;
                    escaped = false;
                }
                levels.back() = engine->level;
            }
            if (dynamic_cast<MainPage*>(currentPage)) {
                if (!levels.empty()) {
                    if (endings.size() < levels.size()) endings.push_back(escaped ? "escape" : "menu");
                    residentAfterGame.push_back(ResidentBytes());
                }
                if (static_cast<int>(levels.size()) >= games) {
                    closing = true;
                    b.PostClose();
                    return;
                }
                b.PostClick((MainPage::kPlayButton.x1 + MainPage::kPlayButton.x2) / 2 * ScreenWidth / 1024,
                            (MainPage::kPlayButton.y1 + MainPage::kPlayButton.y2) / 2 * ScreenHeight / 768);
            }
        }
        auto* engine = dynamic_cast<Engine*>(currentPage);
        if (!engine || engine->Steps() == lastStep) return;
        // Once per game step: the pump runs again after delivering a key.
        lastStep = engine->Steps();
        steps++;
        if (onStep && onStep(*engine, b)) return;
        if (++gameSteps > maxStepsPerGame && !escaped) {
            escaped = true;
            b.PostKeyDown(VK_ESCAPE);
        } else if (int key = player.Choose(*engine)) {
            b.PostKeyDown(key);
        }
    });
    return platform::RunProgram(backend);
}
