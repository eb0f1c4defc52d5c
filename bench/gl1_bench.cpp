// The browser's GL layer against Mesa's fixed function on the software
// renderer (OSMesa): the time of a presented level frame drawn through
// each, the same program built once for both.
#include <algorithm>
#include <string>

#include "Engine/engine.h"
#include "fixed_function.h"
#include "headless_world.h"
#include "report.h"

namespace {

// The best mean of the five frames of a step, over several rounds.
double FrameMs(int width, int height, int level) {
    HeadlessWorld world(width, height);
    Engine engine(level);
    engine.Initialize();
    double best = 1e30;
    for (int round = 0; round < 12; round++) {
        const double s = BestSeconds([&] {
            for (float k = -1.0f; static_cast<double>(k) < -0.2; k = static_cast<float>(k + 0.2)) engine.Draw(k);
        }, 0.0, 1);
        best = std::min(best, s * 1000 / 5);
    }
    engine.Finish();
    return best;
}

}  // namespace

int main() {
    const int sizes[][2] = {{640, 480}, {1024, 768}};
    for (const auto& size : sizes) {
        for (int level : {1, 10}) {
            gl1::UseFixedFunction(&MesaFixedFunction());
            const double mesa = FrameMs(size[0], size[1], level);
            gl1::UseFixedFunction(nullptr);
            gl1::NewContext();
            const double layer = FrameMs(size[0], size[1], level);
            Row("GL layer frame", "level " + std::to_string(level) + ", " + std::to_string(size[0]) + "x" +
                std::to_string(size[1]), Figure(layer, "ms"), "Mesa fixed function " + Figure(mesa, "ms"), layer / mesa);
        }
    }
}
