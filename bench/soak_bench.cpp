// Many whole games in one run of the program on the off-screen backend:
// resident memory after each game, against the first.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "headless_world.h"
#include "report.h"
#include "soak_driver.h"

int main(int argc, char** argv) {
    HeadlessWorld world;
    world.backend.SetDesktopMode({160, 120, 24});
    SoakRun run;
    run.games = argc > 1 ? std::atoi(argv[1]) : 12;
    run.Play(world.backend);
    const double mb = 1048576.0;
    const long first = run.residentAfterGame.front();
    const long last = run.residentAfterGame.back();
    long highest = first;
    for (long r : run.residentAfterGame) highest = r > highest ? r : highest;
    int completed = 0, over = 0, highestLevel = 0;
    for (const std::string& e : run.endings) {
        completed += e == "congratulations";
        over += e == "gameover";
    }
    for (int level : run.levels) highestLevel = level > highestLevel ? level : highestLevel;
    const std::string subject = std::to_string(run.residentAfterGame.size()) + " games (" + std::to_string(completed) +
                                " completed, " + std::to_string(over) + " game over, the rest left after " +
                                std::to_string(run.maxStepsPerGame) + " steps; up to level " +
                                std::to_string(highestLevel) + "), " + std::to_string(run.steps) + " steps, 160x120";
    // The whole course, for the record.
    std::fprintf(stderr, "soak: resident MB after each game:");
    for (long r : run.residentAfterGame) std::fprintf(stderr, " %.1f", r / mb);
    std::fprintf(stderr, "\n");
    Row("Soak: resident memory", subject + ", after the last game", Figure(last / mb, "MB"),
        "after the first " + Figure(first / mb, "MB"), static_cast<double>(last) / first);
    Row("Soak: resident memory", subject + ", highest after a game", Figure(highest / mb, "MB"),
        "after the first " + Figure(first / mb, "MB"), static_cast<double>(highest) / first);
    return 0;
}
