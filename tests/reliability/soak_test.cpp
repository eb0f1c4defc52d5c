// Several whole games in one run: memory stays flat after the first game (and LeakSanitizer finds no leak).
#include <gtest/gtest.h>

#include "headless_world.h"
#include "soak_driver.h"

namespace {

TEST(Soak, ResidentMemoryStaysFlatOverGames) {
    HeadlessWorld world;
    world.backend.SetDesktopMode({48, 36, 24});
    SoakRun run;
    run.games = 3;
    run.maxStepsPerGame = 400;
    EXPECT_EQ(run.Play(world.backend), 0);
    ASSERT_EQ(run.residentAfterGame.size(), 3u);
    EXPECT_EQ(run.endings.size(), 3u);
    // Generous: the allocator may keep pages, but a leak of objects, textures or GL state per level exceeds it.
    const long growth = run.residentAfterGame.back() - run.residentAfterGame.front();
    EXPECT_LT(growth, 16L << 20) << "resident memory grew by " << growth << " bytes";
}

}  // namespace
