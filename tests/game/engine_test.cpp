// The game page's step: paced frames, blocking, meals, level ends, camera keys.
#include <algorithm>
#include <set>
#include <tuple>
#include <type_traits>

#include "Engine/food.h"
#include "Engine/snake.h"
#include "game_fixture.h"
#include "rand15.h"
#include "settings.h"

namespace {

// A copied page would free its snake, map, food or texture a second time.
static_assert(!std::is_copy_constructible_v<Engine> && !std::is_copy_assignable_v<Engine>);
static_assert(!std::is_copy_constructible_v<MainPage> && !std::is_copy_assignable_v<MainPage>);

// Row 1 holds five floor cells: the snake and two more.
const std::vector<std::string> kCorridor = {"#######", "#.....#", "#######"};
using Sleeps = std::vector<unsigned long>;

class EngineTest : public GameTest {
protected:
    void SetUp() override { StartGraphics(); }
    // One step of the page: the sleeps it made and the frames it presented.
    std::pair<Sleeps, int> Step() {
        const size_t sleeps = backend.Sleeps().size();
        const int frames = backend.FramesPresented();
        engine->Work();
        return {Sleeps(backend.Sleeps().begin() + static_cast<long>(sleeps), backend.Sleeps().end()),
                backend.FramesPresented() - frames};
    }
};

TEST_F(EngineTest, FramesArePacedAgainstThirtyMillisecondsFromTheLastSample) {
    // A frame costing t ms sleeps 30 - t, the next (timed from before that sleep) none; a free frame still sleeps.
    const std::pair<long, Sleeps> cases[] = {
        {10, {20, 20, 20}}, {25, {5, 5, 5}}, {1, {29, 29, 29}}, {0, {30, 30, 30}}, {30, {}}, {45, {}}};
    WriteMap(1, kCorridor);
    for (const auto& [cost, sleeps] : cases) {
        backend.SetFrameCost(cost);
        Start();
        EXPECT_EQ(Step(), std::pair(sleeps, 5)) << "frame cost " << cost;
    }
}

// Blocked, each step draws nothing but waits a little, so the loop does not
// spin a core; the step after the turn is paced as any other.
TEST_F(EngineTest, ABlockedSnakeWaitsWithoutDrawingUntilItTurns) {
    WriteMap(1, {"######", "#....#", "#...##", "######"});  // a wall ahead, open above
    backend.SetFrameCost(10);
    Engine& e = Start();
    for (int step = 0; step < 40; step++) {
        EXPECT_EQ(Step(), std::pair(Sleeps{10}, 0));
        EXPECT_GT(e.Collided(), 0);
    }
    EXPECT_EQ(e.GetSnake()->CurrX(), 3);
    e.KeyDown(VK_RIGHT);  // into the wall: refused
    e.KeyDown(VK_UP);
    EXPECT_EQ(Step(), std::pair(Sleeps{20, 20, 20}, 5));
    EXPECT_EQ(e.Collided(), 0);
    EXPECT_EQ(e.GetSnake()->CurrY(), 2);
}

TEST_F(EngineTest, AMealGrowsTheSnakeAndTheNextFoodAvoidsTheGrownSnake) {
    WriteMap(1, kCorridor);
    Engine& e = StartWithFoodAt(4, 1);
    e.Work();  // head onto (4, 1): the meal (its sound is checked by the ten-level game)
    EXPECT_EQ(e.GetSnake()->nElements, 4);
    ASSERT_NE(e.GetFood(), nullptr);
    EXPECT_EQ(e.GetFood()->x, 5);  // the grown tail covers (1, 1)

    // The last meal fills the corridor: the game goes on without food.
    e.Work();
    EXPECT_EQ(e.GetSnake()->nElements, 5);
    EXPECT_EQ(e.GetFood(), nullptr);
    e.Work(), e.Work();
    EXPECT_EQ(e.finishRun, 0);
}

// On a 128 by 128 map with 20 floor cells, 17 of them beside the snake, the
// food lands where the generator, seeded with the calendar as each level
// seeds it, first names a free cell with both coordinates drawn again.
TEST_F(EngineTest, OnASparseMapTheFoodFollowsTheGeneratorsDraws) {
    std::vector<std::string> rows(kMaxMapSide, std::string(kMaxMapSide, '#'));
    auto floor = [&rows](int x, int y) -> char& { return rows[kMaxMapSide - 1 - y][x]; };
    std::set<std::pair<int, int>> free;
    for (int i = 0; i < 17; i++) free.insert({(37 * i + 11) % 120 + 4, (53 * i + 29) % 120 + 4});
    ASSERT_EQ(free.size(), 17u);
    for (const auto& [x, y] : free) floor(x, y) = '.';
    for (const StartCell& c : kStartCells) floor(c.x, c.y) = '.';
    WriteMap(1, rows);
    const int valuesPerCell = 32768 / kMaxMapSide;
    int mostDraws = 0;
    for (long seconds = 1; seconds <= 6; seconds++) {
        backend.SetCalendarSeconds(seconds);
        const Food* food = Start().GetFood();
        ASSERT_NE(food, nullptr);
        SRand15(static_cast<unsigned>(seconds));
        std::pair<int, int> cell;
        int draws = 0;
        do {
            cell.first = Rand15() / valuesPerCell;
            cell.second = Rand15() / valuesPerCell;
            draws++;
        } while (!free.count(cell));
        EXPECT_EQ(std::make_pair(food->x, food->y), cell) << "seed " << seconds << ", " << draws << " draws";
        mostDraws = std::max(mostDraws, draws);
    }
    // The seeds include placements that take a long run of draws.
    EXPECT_GT(mostDraws, 1000);
}

// The level's meals and sounds are checked by the ten-level game.
TEST_F(EngineTest, CompletingALevelQueuesTheNextWhichKeepsTheCamera) {
    Engine& e = Start(1);  // the shipped first level
    for (int i = 0; i < 3; i++) e.KeyDown('Q');
    int frames = 0;
    Autoplayer player;
    for (int step = 0; step < 2000 && !e.finishRun; step++) {
        if (int key = player.Choose(e)) e.KeyDown(key);
        frames = Step().second;
    }
    ASSERT_EQ(e.finishRun, 1);
    EXPECT_EQ(frames, 5) << "the completing step still draws";
    auto* next = dynamic_cast<Engine*>(static_cast<PageBase*>(nextPage));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->level, 2);
    Stop();
    EXPECT_EQ(GameSettings->engineDistance, 2048 + 96);
    next->Initialize();
    EXPECT_EQ(next->Distance(), 2048 + 96);
    next->Finish();
}

TEST_F(EngineTest, CameraKeysStopAtTheirLimitsTestedBeforeTheChange) {
    // From distance and x angle, a key pressed n times, to distance, x and z angles.
    const std::tuple<int, int, char, int, int, int, int> cases[] = {
        {2048, 45, 'Q', 100, 4096, 45, 0}, {2048, 45, 'E', 100, 1024, 45, 0},
        {2048, 45, 'W', 100, 2048, 90, 0}, {2048, 45, 'S', 100, 2048, 0, 0},
        {2048, 45, 'A', 3, 2048, 45, 15},  {2048, 45, 'D', 100, 2048, 45, -500},
        // Values off the grids of 32 and 5 end just beyond the limits.
        {4095, 89, 'Q', 5, 4127, 89, 0},   {4095, 89, 'W', 5, 4095, 94, 0},
        {1025, 1, 'E', 5, 993, 1, 0},      {1025, 1, 'S', 5, 1025, -4, 0},
        {2048, 45, 'X', 5, 2048, 45, 0},
    };
    for (const auto& [distance, xAngle, key, presses, distanceAfter, xAngleAfter, zAngleAfter] : cases) {
        GameSettings->engineDistance = distance;
        GameSettings->engineXAngle = xAngle;
        GameSettings->engineZAngle = 0;
        Engine e(1);
        for (int i = 0; i < presses; i++) e.KeyDown(key);
        EXPECT_EQ(std::make_tuple(e.Distance(), e.XAngle(), e.ZAngle()),
                  std::make_tuple(distanceAfter, xAngleAfter, zAngleAfter))
            << key << " from " << distance << ", " << xAngle;
    }
}

}  // namespace
