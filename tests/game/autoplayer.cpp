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

    // The body after the head has followed `path`, eating at its end when
    // the food lies there (the last cell of a path to the food).
    Board Along(const std::vector<Cell>& path, bool eatsAtEnd = false) const {
        std::vector<Cell> moved = body_;
        for (size_t i = 0; i < path.size(); i++) {
            moved.insert(moved.begin(), path[i]);
            if (!(eatsAtEnd && i + 1 == path.size())) moved.pop_back();
        }
        return Board(map_, moved);
    }

    // The shortest path from the head to `to` (without the head), or none.
    std::vector<Cell> PathTo(Cell to) const {
        std::vector<int> dist = Distances(body_.front());
        if (dist[Index(to)] == INT_MAX) return {};
        std::vector<Cell> path{to};
        // Walk back through neighbours one step nearer; any such neighbour was
        // free when the search passed it.
        while (dist[Index(path.back())] > 1) {
            Cell c = path.back();
            for (const auto& d : kDirs) {
                Cell n{c.x + d[0], c.y + d[1]};
                if (!Wall(n) && dist[Index(n)] == dist[Index(c)] - 1) {
                    path.push_back(n);
                    break;
                }
            }
        }
        std::reverse(path.begin(), path.end());
        return path;
    }

    // Whether the head can reach the tail's cell, or outlast the body,
    // through cells that are free by the time it gets there, counting steps
    // spent wandering (the head's own trail is not counted): a snake that
    // can always follow its tail never traps itself.
    bool HeadOutlastsBody() const {
        const std::vector<int> freeAfter = FreeAfter();
        const size_t tail = Index(body_.back());
        std::vector<char> at(freeAfter.size(), 0), next;
        at[Index(body_.front())] = 1;
        for (int t = 1; t <= static_cast<int>(body_.size()); t++) {
            next.assign(at.size(), 0);
            bool any = false;
            for (int y = 0; y < Height(); y++)
                for (int x = 0; x < Width(); x++) {
                    if (!at[Index({x, y})]) continue;
                    for (const auto& d : kDirs) {
                        Cell n{x + d[0], y + d[1]};
                        if (Wall(n) || freeAfter[Index(n)] > t) continue;
                        if (Index(n) == tail) return true;
                        next[Index(n)] = 1;
                        any = true;
                    }
                }
            if (!any) return false;
            at.swap(next);
        }
        return true;
    }

    // The same without wandering: a path on which every cell is free when
    // the head first gets there.
    bool HeadReachesTail() const { return Distances(body_.front())[Index(body_.back())] != INT_MAX; }

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

// The key for the step (dx, dy), or none when it is the current one.
int Turn(int dx, int dy, int hx, int hy) {
    return dx == hx && dy == hy ? 0 : KeyFor(dx, dy);
}

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
    const Food* food = engine.GetFood();
    if (snake.nElements != length_) {
        length_ = snake.nElements;
        hungry_ = 0;
    }
    hungry_++;

    // 1. The shortest way to the food, if the snake can still reach its
    // tail once it has eaten there.
    if (food) {
        std::vector<Cell> path = board.PathTo({food->x, food->y});
        Board fed = board.Along(path, true);
        // Wandering to let the body clear the way is a gamble: only taken
        // after a long time without food.
        bool safe = fed.HeadReachesTail() || (hungry_ > 2 * board.Width() * board.Height() && fed.HeadOutlastsBody());
        if (!path.empty() && safe) return Turn(path[0].x - head.x, path[0].y - head.y, hx, hy);
    }

    // 2. Otherwise a step after which the tail stays reachable, as far from
    // the tail as possible so the body has time to clear the way; after a
    // long time without a meal, any such step, to break out of a circle.
    std::vector<Cell> safe, risky;
    for (const auto& d : kDirs) {
        if (d[0] == -hx && d[1] == -hy) continue;  // reversing is refused
        Cell to{head.x + d[0], head.y + d[1]};
        if (board.Wall(to) || board.Distances(head)[board.Index(to)] != 1) continue;
        (board.Along({to}).HeadReachesTail() ? safe : risky).push_back(to);
    }
    std::vector<Cell>& options = safe.empty() ? risky : safe;
    if (options.empty()) return 0;
    Cell best = options[0];
    if (hungry_ > 4 * board.Width() * board.Height()) {
        random_ = random_ * 1103515245u + 12345u;
        best = options[(random_ >> 16) % options.size()];
    } else {
        int bestScore = -1;
        for (Cell to : options) {
            Board next = board.Along({to});
            int score = safe.empty() ? next.ReachableCells(to) : next.Distances(to)[next.Index(body.back())];
            if (score > bestScore) bestScore = score, best = to;
        }
    }
    return Turn(best.x - head.x, best.y - head.y, hx, hy);
}
