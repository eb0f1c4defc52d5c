// The snake's rules: turning, moving, growing, and what counts as a bite.
#include <tuple>

#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "game_fixture.h"

namespace {

using Cell = std::pair<int, int>;

class SnakeTest : public GameTest {
protected:
    void SetUp() override {
        StartGraphics();
        WriteMap(1, {"##########", "#........#", "#........#", "#........#", "#........#", "##########"});
        ASSERT_EQ(map.LoadMap(), 1) << map.Error();
    }
    void Step(Snake& s, Cell dir) {
        s.SetNextDir(dir.first, dir.second, &map);
        s.MoveForward(&map);
    }
    static std::vector<Cell> Cells(const Snake& s) {
        std::vector<Cell> cells;
        for (int i = 0; i < s.nElements; i++) cells.push_back({s.Elements[i]->XPos, s.Elements[i]->YPos});
        return cells;
    }

    Map map{"Level1"};
};

TEST_F(SnakeTest, TurnRequestsAreJudgedByTheHeadsLastStep) {
    // Name, whether the snake first steps up from (3, 1), the requests made before the next step, the turn kept.
    const std::tuple<const char*, bool, std::vector<Cell>, Cell> cases[] = {
        {"reverse refused", false, {{-1, 0}}, {1, 0}},
        {"straight on refused", false, {{1, 0}}, {1, 0}},
        {"turn into the bottom wall refused", false, {{0, -1}}, {1, 0}},
        {"turn up accepted", false, {{0, 1}}, {0, 1}},
        {"a pending turn cannot become a reversal", false, {{0, 1}, {-1, 0}}, {0, 1}},
        {"a pending turn can become the opposite turn", true, {{-1, 0}, {1, 0}}, {1, 0}},
        {"reversal along y refused after a turn", true, {{1, 0}, {0, -1}}, {1, 0}},
    };
    for (const auto& [name, stepUpFirst, requests, pending] : cases) {
        Snake s;
        if (stepUpFirst) Step(s, {0, 1});
        for (auto [x, y] : requests) s.SetNextDir(x, y, &map);
        EXPECT_EQ(std::make_pair(s.nextXDir, s.nextYDir), pending) << name;
    }
}

TEST_F(SnakeTest, MovingShiftsEverySegmentAndGrowingAddsAStillOneWhereTheTailWas) {
    Snake s;
    EXPECT_EQ(Cells(s), (std::vector<Cell>{{3, 1}, {2, 1}, {1, 1}}));
    Step(s, {0, 1});
    EXPECT_EQ(Cells(s), (std::vector<Cell>{{3, 2}, {3, 1}, {2, 1}}));
    EXPECT_EQ(s.IsClear(1, 1), 1);
    for (auto [x, y] : Cells(s)) EXPECT_EQ(s.IsClear(x, y), 0);

    ASSERT_EQ(s.Grow(), 1);
    const SnakeElement* added = s.Elements[3];
    EXPECT_EQ(Cells(s).back(), Cell(1, 1));
    EXPECT_EQ(Cell(added->XDir, added->YDir), Cell(0, 0));
    Step(s, {0, 1});
    EXPECT_EQ(Cells(s), (std::vector<Cell>{{3, 3}, {3, 2}, {3, 1}, {2, 1}}));

    // Growing piles segments on the tail's cell up to the capacity, no further.
    while (s.nElements < Snake::kCapacity) ASSERT_EQ(s.Grow(), 1);
    EXPECT_EQ(s.Grow(), 0);
    EXPECT_EQ(s.nElements, Snake::kCapacity);
}

TEST_F(SnakeTest, CirclingASquareBitesOnlyWhenTheSnakeIsLongerThanTheLoop) {
    // Round a 2 by 2 square a 4-long head takes the cell its tail leaves: no bite; a 5th segment bites.
    const Cell loop[] = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    for (auto [length, bites] : {std::pair{3, false}, {4, false}, {5, true}}) {
        Snake s;
        Step(s, loop[0]);
        while (s.nElements < length) s.Grow();
        bool bit = false;
        for (int i = 1; i < 9 && !bit; i++) {
            Step(s, loop[i % 4]);
            bit = s.Collision() == 1;
        }
        EXPECT_EQ(bit, bites) << "length " << length;
    }
}

}  // namespace
