// Several whole games in one run: memory stays flat after the first game
// (and LeakSanitizer, which runs at the end of this test binary, finds no
// leak).
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
    // Generous: the allocator may keep some pages, but a leak of the game's
    // objects, textures or GL state per level would pass this within games.
    const long growth = run.residentAfterGame.back() - run.residentAfterGame.front();
    EXPECT_LT(growth, 16L << 20) << "resident memory grew by " << growth << " bytes";
}

}  // namespace
