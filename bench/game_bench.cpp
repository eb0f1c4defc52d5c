// The game's own figures on the software renderer (OSMesa, off-screen):
// frame drawing time of every level at two screen sizes and of a 128 by 128
// map against the 30 ms frame budget, map loading, start-up to the first
// presented frame, and the period of a game step on the real clock against
// the pacing rule.
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "Engine/engine.h"
#include "Engine/map.h"
#include "autoplayer.h"
#include "documents.h"
#include "headless_world.h"
#include "report.h"
#include "run_program.h"

namespace {

using Clock = std::chrono::steady_clock;

const double kFrameBudgetMs = 30;
// The level that stands for "the 128 by 128 map": its file replaces Level1.
const int kBigMapLevel = 1;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string MapName(int level, bool big) {
    return big ? "128x128 map" : "level " + std::to_string(level);
}

// Mean time of one presented frame of `level`, over the five fractions of a
// step, repeated; the level's page is set up as the game sets it up.
double FrameMs(int width, int height, int level, bool big, double* mapListMs, double* mapCellsMs) {
    HeadlessWorld world(width, height);
    if (big) world.dir.Write("Maps/Level" + std::to_string(level) + ".map", SquareMap(128));
    Engine engine(level);
    engine.Initialize();
    const int rounds = big ? 4 : 12;
    double best = 1e30;
    for (int round = 0; round < rounds; round++) {
        const Clock::time_point start = Clock::now();
        for (float k = -1.0f; static_cast<double>(k) < -0.2; k = static_cast<float>(k + 0.2)) engine.Draw(k);
        best = std::min(best, MsSince(start) / 5);
    }
    // The map alone: replayed from its display list, and call by call.
    const Map& map = *engine.GetMap();
    glFinish();
    *mapListMs = BestSeconds([&] { map.Draw(); glFinish(); }, 0.2) * 1000;
    *mapCellsMs = BestSeconds([&] { map.DrawCells(); glFinish(); }, 0.2) * 1000;
    engine.Finish();
    return best;
}

void Frames() {
    const int sizes[][2] = {{640, 480}, {1024, 768}};
    for (const auto& size : sizes) {
        for (int level = 1; level <= 11; level++) {
            const bool big = level == 11;
            double listMs, cellsMs;
            const double ms = FrameMs(size[0], size[1], big ? kBigMapLevel : level, big, &listMs, &cellsMs);
            const std::string subject = MapName(level, big) + ", " + std::to_string(size[0]) + "x" +
                                        std::to_string(size[1]);
            Row("Frame time", subject, Figure(ms, "ms"), "budget 30 ms", ms / kFrameBudgetMs);
            Row("Map drawing", subject, Figure(listMs, "ms") + " (display list)",
                "cell by cell " + Figure(cellsMs, "ms"), listMs / cellsMs);
        }
    }
}

void Loading() {
    HeadlessWorld world(64, 48);
    world.dir.Write("Maps/Big.map", SquareMap(128));
    for (int level = 1; level <= 11; level++) {
        const bool big = level == 11;
        const std::string name = big ? "Big" : "Level" + std::to_string(level);
        const double s = BestSeconds([&] {
            Map map(name.c_str());
            map.LoadMap();
            map.FreeTextures();
        }, 0.3);
        Row("Map loading", MapName(level, big), Figure(s * 1000, "ms"), "budget 30 ms", s * 1000 / kFrameBudgetMs);
    }
}

// From the program's entry to its first presented frame (the splash page).
void StartUp() {
    double best = 1e30;
    for (int run = 0; run < 5; run++) {
        HeadlessWorld world;
        world.backend.SetDesktopMode({1024, 768, 32});
        Clock::time_point start = Clock::now();
        double firstFrame = 0;
        bool closed = false;
        world.backend.SetFrameCallback([&](const platform::Frame&) {
            if (firstFrame == 0) firstFrame = MsSince(start);
        });
        world.backend.SetPumpCallback([&](platform::HeadlessPlatform& b) {
            if (firstFrame == 0 || closed) return;
            closed = true;
            b.PostClose();
        });
        platform::RunProgram(world.backend);
        best = std::min(best, firstFrame);
    }
    Row("Start-up", "to the first presented frame, 1024x768", Figure(best, "ms"), "budget 30 ms",
        best / kFrameBudgetMs);
}

// The off-screen backend with the real clock: sleeps take real time.
class RealClockPlatform : public platform::HeadlessPlatform {
public:
    long Milliseconds() override {
        return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
    }
    void Sleep(unsigned long ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

private:
    Clock::time_point start_ = Clock::now();
};

// Moving steps of the first levels at 640x480 on the real clock, steered by
// the test-side player. A frame that takes t ms to draw is paced to 30 ms
// from the sample of the frame before, which was taken before that frame's
// sleep: frames then alternate between 30 ms and t ms, and a step of five
// frames lasts 2.5 (30 + t) ms on average.
void Pacing(double drawMs) {
    const size_t kSteps = 240;
    const long kStepsPerLevel = 400;
    BasicHeadlessWorld<RealClockPlatform> world(640, 480);
    std::vector<double> periods;
    for (int level = 1; periods.size() < kSteps; level = level % 10 + 1) {
        Engine engine(level);
        Autoplayer player;
        Clock::time_point last;
        long lastStep = -1;
        world.backend.SetPumpCallback([&](platform::HeadlessPlatform& b) {
            if (engine.Steps() == lastStep) return;
            lastStep = engine.Steps();
            const Clock::time_point now = Clock::now();
            // Blocked steps draw nothing: only moving ones count.
            if (lastStep > 1 && engine.Collided() <= 0) periods.push_back(std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            // A level the player cannot finish (it may stand blocked for
            // good) gives way to the next one.
            if (periods.size() >= kSteps || lastStep > kStepsPerLevel) engine.finishRun = 1;
            else if (int key = player.Choose(engine)) b.PostKeyDown(key);
        });
        engine.Run();
        nextPage = nullptr;  // the page the level queued is not run
    }
    world.backend.SetPumpCallback(nullptr);
    double sum = 0;
    for (double p : periods) sum += p;
    const double mean = sum / periods.size();
    const double predicted = 2.5 * (kFrameBudgetMs + drawMs);
    Row("Step period", "levels 1 on, 640x480, real clock, " + std::to_string(periods.size()) + " steps",
        Figure(mean, "ms"), "rule 2.5 x (30 + " + Figure(drawMs, "ms") + ") = " + Figure(predicted, "ms"),
        mean / predicted);
}

}  // namespace

int main() {
    double listMs, cellsMs;
    const double level1Draw = FrameMs(640, 480, 1, false, &listMs, &cellsMs);
    Frames();
    Loading();
    StartUp();
    Pacing(level1Draw);
    return 0;
}
