#include "autoplayer.h"

#include <algorithm>
#include <array>
#include <climits>
#include <deque>
#include <vector>

#include "Engine/engine.h"
#include "Engine/food.h"
#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "wintypes.h"

namespace {

struct Cell {
    int x, y;
};

// The four cells next to c, always in this order.
std::array<Cell, 4> Around(Cell c) { return {{{c.x + 1, c.y}, {c.x - 1, c.y}, {c.x, c.y + 1}, {c.x, c.y - 1}}}; }

// The grid as the player sees it: walls, and the body, head first.
class Board {
public:
    Board(const Map& map, std::vector<Cell> body) : map_(map), body_(std::move(body)) {}

    int Area() const { return map_.width * map_.height; }
    bool Wall(Cell c) const { return map_.IsOnWall(c.x, c.y) != 0; }
    size_t Index(Cell c) const { return static_cast<size_t>(c.y) * map_.width + c.x; }

    // For each cell, the number of steps after which the segment on it has
    // moved away (0: free now).
    std::vector<int> FreeAfter() const {
        std::vector<int> t(static_cast<size_t>(Area()), 0);
        const int n = static_cast<int>(body_.size());
        for (int i = 0; i < n; i++) t[Index(body_[i])] = std::max(t[Index(body_[i])], n - i);
        return t;
    }

    // The body after the head has followed `path`, eating at its end if asked.
    Board Along(const std::vector<Cell>& path, bool eatsAtEnd = false) const {
        std::vector<Cell> moved = body_;
        for (size_t i = 0; i < path.size(); i++) {
            moved.insert(moved.begin(), path[i]);
            if (!(eatsAtEnd && i + 1 == path.size())) moved.pop_back();
        }
        return Board(map_, moved);
    }

    // Breadth-first distances from `from` through cells free on arrival.
    std::vector<int> Distances(Cell from) const {
        std::vector<int> dist(static_cast<size_t>(Area()), INT_MAX);
        const std::vector<int> freeAfter = FreeAfter();
        std::deque<Cell> open{from};
        dist[Index(from)] = 0;
        while (!open.empty()) {
            Cell c = open.front();
            open.pop_front();
            for (Cell n : Around(c)) {
                if (Wall(n) || dist[Index(n)] != INT_MAX || freeAfter[Index(n)] > dist[Index(c)] + 1) continue;
                dist[Index(n)] = dist[Index(c)] + 1;
                open.push_back(n);
            }
        }
        return dist;
    }

    // The shortest path from the head to `to` (without the head), or none.
    std::vector<Cell> PathTo(Cell to) const {
        std::vector<int> dist = Distances(body_.front());
        if (dist[Index(to)] == INT_MAX) return {};
        std::vector<Cell> path{to};
        // Any neighbour one step nearer was free when the search passed it.
        while (dist[Index(path.back())] > 1) {
            Cell c = path.back();
            for (Cell n : Around(c)) {
                if (!Wall(n) && dist[Index(n)] == dist[Index(c)] - 1) {
                    path.push_back(n);
                    break;
                }
            }
        }
        std::reverse(path.begin(), path.end());
        return path;
    }

    bool HeadReachesTail() const { return Distances(body_.front())[Index(body_.back())] != INT_MAX; }

    // Whether the head can reach the tail or outlast the body when it may
    // also wander (its own trail not counted): a snake that can always
    // follow its tail never traps itself.
    bool HeadOutlastsBody() const {
        const std::vector<int> freeAfter = FreeAfter();
        const size_t tail = Index(body_.back());
        std::vector<char> at(freeAfter.size(), 0), next;
        at[Index(body_.front())] = 1;
        for (int t = 1; t <= static_cast<int>(body_.size()); t++) {
            next.assign(at.size(), 0);
            bool any = false;
            for (int y = 0; y < map_.height; y++)
                for (int x = 0; x < map_.width; x++) {
                    if (!at[Index({x, y})]) continue;
                    for (Cell n : Around({x, y})) {
                        if (Wall(n) || freeAfter[Index(n)] > t) continue;
                        if (Index(n) == tail) return true;
                        next[Index(n)] = any = 1;
                    }
                }
            if (!any) return false;
            at.swap(next);
        }
        return true;
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

int Autoplayer::Choose(const Engine& engine) {
    const Snake& snake = *engine.GetSnake();
    std::vector<Cell> body;
    for (int i = 0; i < snake.nElements; i++) body.push_back({snake.Elements[i]->XPos, snake.Elements[i]->YPos});
    Board board(*engine.GetMap(), body);
    const Cell head = body.front();
    const int hx = snake.Elements[0]->XDir, hy = snake.Elements[0]->YDir;
    // The key for a step to `to`, or none when it goes straight on.
    auto turnTo = [&](Cell to) {
        const int dx = to.x - head.x, dy = to.y - head.y;
        return dx == hx && dy == hy ? 0 : KeyFor(dx, dy);
    };
    if (snake.nElements != length_) {
        length_ = snake.nElements;
        hungry_ = 0;
    }
    hungry_++;

    // The shortest way to the food, if the tail stays reachable after the
    // meal; wandering to let the body clear the way is a gamble only taken
    // after a long time without food.
    if (const Food* food = engine.GetFood()) {
        std::vector<Cell> path = board.PathTo({food->x, food->y});
        Board fed = board.Along(path, true);
        if (!path.empty() && (fed.HeadReachesTail() || (hungry_ > 2 * board.Area() && fed.HeadOutlastsBody())))
            return turnTo(path[0]);
    }

    // Otherwise a step after which the tail stays reachable, as far from the
    // tail as possible so the body has time to clear the way; after a long
    // time without a meal, any such step, to break out of a circle.
    std::vector<Cell> safe, risky;
    const std::vector<int> fromHead = board.Distances(head);
    for (Cell to : Around(head)) {
        if (to.x - head.x == -hx && to.y - head.y == -hy) continue;  // reversing is refused
        if (board.Wall(to) || fromHead[board.Index(to)] != 1) continue;
        (board.Along({to}).HeadReachesTail() ? safe : risky).push_back(to);
    }
    std::vector<Cell>& options = safe.empty() ? risky : safe;
    if (options.empty()) return 0;
    if (hungry_ > 4 * board.Area()) {
        random_ = random_ * 1103515245u + 12345u;
        return turnTo(options[(random_ >> 16) % options.size()]);
    }
    Cell best = options[0];
    int bestScore = -1;
    for (Cell to : options) {
        const std::vector<int> dist = board.Along({to}).Distances(to);
        // With no safe step, the one that leaves the most room.
        int score = safe.empty() ? static_cast<int>(dist.size() - std::count(dist.begin(), dist.end(), INT_MAX))
                                 : dist[board.Index(body.back())];
        if (score > bestScore) bestScore = score, best = to;
    }
    return turnTo(best);
}
