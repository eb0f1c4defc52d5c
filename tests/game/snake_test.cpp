// The snake's rules: turning, moving, growing, and what counts as a bite.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "game_fixture.h"

namespace {

// An open 8 by 8 field inside a wall border.
const std::vector<std::string> kOpenField = {
    "##########", "#........#", "#........#", "#........#", "#........#",
    "#........#", "#........#", "#........#", "#........#", "##########",
};

class SnakeTest : public GameTest {
protected:
    void SetUp() override {
        StartGraphics();
        WriteMap(1, kOpenField);
        ASSERT_EQ(map.LoadMap(), 1) << map.Error();
    }
    // Turns (when dx, dy differ from the current step) and moves once.
    void Step(int dx, int dy) {
        snake.SetNextDir(dx, dy, &map);
        snake.MoveForward(&map);
    }
    std::vector<std::pair<int, int>> Cells() const {
        std::vector<std::pair<int, int>> cells;
        for (int i = 0; i < snake.nElements; i++) cells.push_back({snake.Elements[i]->XPos, snake.Elements[i]->YPos});
        return cells;
    }

    Map map{"Level1"};
    Snake snake;
};

TEST_F(SnakeTest, TurnRequestsAreJudgedByTheHeadsLastStep) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> requests;  // made between two steps
        std::pair<int, int> pending;
    };
    const Case cases[] = {
        {"reverse refused", {{-1, 0}}, {1, 0}},
        {"straight on refused", {{1, 0}}, {1, 0}},
        {"turn into the bottom wall refused", {{0, -1}}, {1, 0}},
        {"turn up accepted", {{0, 1}}, {0, 1}},
        {"a pending turn cannot become a reversal", {{0, 1}, {-1, 0}}, {0, 1}},
    };
    for (const Case& c : cases) {
        Snake fresh;
        for (auto [x, y] : c.requests) fresh.SetNextDir(x, y, &map);
        EXPECT_EQ(std::make_pair(fresh.nextXDir, fresh.nextYDir), c.pending) << c.name;
    }
}

TEST_F(SnakeTest, APendingTurnCanBeReplacedByTheOppositeTurn) {
    Step(0, 1);  // now at (3, 2), moving up, free cells below and above
    snake.SetNextDir(0, 1, &map);
    EXPECT_EQ(snake.nextYDir, 1);
    snake.SetNextDir(-1, 0, &map);
    snake.SetNextDir(1, 0, &map);
    EXPECT_EQ(std::make_pair(snake.NextX(), snake.NextY()), std::make_pair(4, 2));
    snake.SetNextDir(0, -1, &map);  // reversal of the motion along y
    EXPECT_EQ(std::make_pair(snake.NextX(), snake.NextY()), std::make_pair(4, 2));
}

TEST_F(SnakeTest, MovingShiftsEverySegmentAndFreesTheTailsCell) {
    EXPECT_EQ(Cells(), (std::vector<std::pair<int, int>>{{3, 1}, {2, 1}, {1, 1}}));
    Step(0, 1);
    EXPECT_EQ(Cells(), (std::vector<std::pair<int, int>>{{3, 2}, {3, 1}, {2, 1}}));
    EXPECT_EQ(snake.IsClear(1, 1), 1);
    for (auto [x, y] : Cells()) EXPECT_EQ(snake.IsClear(x, y), 0);
}

TEST_F(SnakeTest, GrowAddsAStillSegmentOnTheCellTheTailLeft) {
    Step(0, 1);
    snake.Grow();
    ASSERT_EQ(snake.nElements, 4);
    const SnakeElement* added = snake.Elements[3];
    EXPECT_EQ(std::make_pair(added->XPos, added->YPos), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(added->XDir, added->YDir), std::make_pair(0, 0));
    Step(0, 1);
    EXPECT_EQ(std::make_pair(added->XPos, added->YPos), std::make_pair(2, 1));
}

TEST_F(SnakeTest, GrowStopsAtTheCapacity) {
    // Grow piles segments on the tail's cell; the count is what matters.
    while (snake.nElements < Snake::kCapacity) ASSERT_EQ(snake.Grow(), 1);
    EXPECT_EQ(snake.Grow(), 0);
    EXPECT_EQ(snake.nElements, Snake::kCapacity);
}

TEST_F(SnakeTest, CirclingASquareBitesOnlyWhenTheSnakeIsLongerThanTheLoop) {
    // Up, left, down, right, up...: the head runs round a 2 by 2 square and
    // comes back to the cell the tail left in the same move when the snake
    // is 4 long; a 5th segment is still there.
    const std::pair<int, int> loop[] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    struct Case {
        int length;
        bool bites;
    };
    for (Case c : {Case{3, false}, Case{4, false}, Case{5, true}}) {
        Snake s;
        bool bit = false;
        s.SetNextDir(0, 1, &map);
        s.MoveForward(&map);
        while (s.nElements < c.length) s.Grow();
        for (int i = 1; i < 9 && !bit; i++) {
            s.SetNextDir(loop[i % 4].first, loop[i % 4].second, &map);
            s.MoveForward(&map);
            bit = s.Collision() == 1;
        }
        EXPECT_EQ(bit, c.bites) << "length " << c.length;
    }
}

}  // namespace
