#include "soak_driver.h"

#include <unistd.h>

#include <climits>
#include <cstdio>

#include "autoplayer.h"
#include "program_driver.h"

// Resident memory of this process, in bytes.
static long ResidentBytes() {
    long size = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return 0;
    if (std::fscanf(f, "%ld %ld", &size, &resident) != 2) resident = 0;
    std::fclose(f);
    return resident * sysconf(_SC_PAGESIZE);
}

int SoakRun::Play(platform::HeadlessPlatform& backend) {
    ProgramDriver driver;
    driver.games = games;
    driver.maxSteps = LONG_MAX;
    Autoplayer player;
    long gameSteps = 0;
    int level = 0;
    std::string ending = "menu";
    driver.onPage = [&](const std::string& page) {
        if (page == "level 1") player = Autoplayer(), gameSteps = 0;
        if (page.rfind("level ", 0) == 0) level = std::stoi(page.substr(6));
        if (page == "gameover" || page == "congratulations") ending = page;
        if (page != "menu" || driver.pages.size() <= 2) return;  // not back from a game
        residentAfterGame.push_back(ResidentBytes());
        endings.push_back(ending);
        levels.push_back(level);
        ending = "menu", level = 0;
    };
    driver.steer = [&](const Engine& engine) -> int {
        if (++gameSteps <= maxStepsPerGame) return player.Choose(engine);
        if (ending == "escape") return 0;
        ending = "escape";
        return VK_ESCAPE;
    };
    const int status = driver.Run(backend);
    steps = driver.steps;
    return status;
}
