#include "autoplayer.h"

#include <algorithm>
#include <climits>
#include <deque>
#include <vector>

#include "Engine/engine.h"
#include "Engine/food.h"
#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "proc.h"

namespace {

const int kDirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

struct Cell {
    int x, y;
    bool operator==(const Cell& o) const { return x == o.x && y == o.y; }
};

// The grid as the player sees it: walls, and for each cell the number of
// steps after which the body segment on it has moved away (0: free now).
class Board {
public:
    Board(const Map& map, std::vector<Cell> body) : map_(map), body_(std::move(body)) {}

    int Width() const { return map_.width; }
    int Height() const { return map_.height; }
    bool Wall(Cell c) const { return map_.IsOnWall(c.x, c.y) != 0; }
    const std::vector<Cell>& Body() const { return body_; }

    std::vector<int> FreeAfter() const {
        std::vector<int> t(static_cast<size_t>(Width()) * Height(), 0);
        const int n = static_cast<int>(body_.size());
        for (int i = 0; i < n; i++) t[Index(body_[i])] = std::max(t[Index(body_[i])], n - i);
        return t;
    }
    size_t Index(Cell c) const { return static_cast<size_t>(c.y) * Width() + c.x; }

    // The body after the head steps onto `to`, growing when it eats there.
    Board After(Cell to, bool eats) const {
        std::vector<Cell> moved{to};
        moved.insert(moved.end(), body_.begin(), body_.end() - (eats ? 0 : 1));
        return Board(map_, moved);
    }

    // Whether the head can reach the tail's cell through cells that are free
    // by the time it gets there: a snake that can always follow its tail
    // never traps itself.
    bool HeadReachesTail() const {
        return Distances(body_.front())[Index(body_.back())] != INT_MAX;
    }

    // Time-aware breadth-first distances from `from`.
    std::vector<int> Distances(Cell from) const {
        std::vector<int> dist(static_cast<size_t>(Width()) * Height(), INT_MAX);
        const std::vector<int> freeAfter = FreeAfter();
        std::deque<Cell> open{from};
        dist[Index(from)] = 0;
        while (!open.empty()) {
            Cell c = open.front();
            open.pop_front();
            for (const auto& d : kDirs) {
                Cell n{c.x + d[0], c.y + d[1]};
                if (Wall(n) || dist[Index(n)] != INT_MAX) continue;
                int arrive = dist[Index(c)] + 1;
                if (freeAfter[Index(n)] > arrive) continue;
                dist[Index(n)] = arrive;
                open.push_back(n);
            }
        }
        return dist;
    }

    int ReachableCells(Cell from) const {
        const std::vector<int> dist = Distances(from);
        return static_cast<int>(std::count_if(dist.begin(), dist.end(), [](int d) { return d != INT_MAX; }));
    }

private:
    const Map& map_;
    std::vector<Cell> body_;
};

}  // namespace

int KeyFor(int dx, int dy) {
    if (dx > 0) return VK_RIGHT;
    if (dx < 0) return VK_LEFT;
    return dy > 0 ? VK_UP : VK_DOWN;
}

int ChooseKey(const Engine& engine) {
    const Snake& snake = *engine.GetSnake();
    std::vector<Cell> body;
    for (int i = 0; i < snake.nElements; i++) body.push_back({snake.Elements[i]->XPos, snake.Elements[i]->YPos});
    Board board(*engine.GetMap(), body);
    const Cell head = body.front();
    const int hx = snake.Elements[0]->XDir, hy = snake.Elements[0]->YDir;
    const Food* food = engine.GetFood();

    // Each possible step scored: safe first, then nearest to the food, then
    // the most room, then straight on.
    struct Option {
        int dx, dy;
        bool safe;
        int toFood;
        int room;
    };
    std::vector<Option> options;
    for (const auto& d : kDirs) {
        if (d[0] == -hx && d[1] == -hy) continue;  // reversing is refused
        Cell to{head.x + d[0], head.y + d[1]};
        if (board.Wall(to)) continue;
        bool eats = food && to.x == food->x && to.y == food->y;
        std::vector<int> fromHead = board.Distances(head);
        if (fromHead[board.Index(to)] != 1) continue;  // a body segment still there
        Board next = board.After(to, eats);
        int toFood = INT_MAX;
        if (food) toFood = eats ? 0 : next.Distances(to)[next.Index({food->x, food->y})];
        options.push_back({d[0], d[1], next.HeadReachesTail(), toFood, next.ReachableCells(to)});
    }
    if (options.empty()) return 0;
    auto better = [&](const Option& a, const Option& b) {
        if (a.safe != b.safe) return a.safe;
        if (a.toFood != b.toFood) return a.toFood < b.toFood;
        if (a.room != b.room) return a.room > b.room;
        return a.dx == hx && a.dy == hy;
    };
    const Option best = *std::min_element(options.begin(), options.end(), better);
    if (best.dx == hx && best.dy == hy) return 0;
    return KeyFor(best.dx, best.dy);
}
