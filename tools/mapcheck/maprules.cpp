#include "maprules.h"

#include <utility>

#include "Engine/rules.h"

namespace {

const int kSteps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

std::string CellName(int x, int y) {
    return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

bool IsFloor(const MapFileData& map, int x, int y) {
    return !map.IsWall(x, y);
}

int FloorNeighbours(const MapFileData& map, int x, int y) {
    int n = 0;
    for (const auto& s : kSteps) n += IsFloor(map, x + s[0], y + s[1]);
    return n;
}

// Marks every floor cell reachable from (x, y) with `mark`; returns how many.
int Flood(const MapFileData& map, int x, int y, int mark, std::vector<int>* region) {
    std::vector<std::pair<int, int>> open{{x, y}};
    (*region)[static_cast<size_t>(y) * map.width + x] = mark;
    int count = 0;
    while (!open.empty()) {
        auto [cx, cy] = open.back();
        open.pop_back();
        count++;
        for (const auto& s : kSteps) {
            int nx = cx + s[0], ny = cy + s[1];
            if (!IsFloor(map, nx, ny)) continue;
            int& r = (*region)[static_cast<size_t>(ny) * map.width + nx];
            if (r) continue;
            r = mark;
            open.push_back({nx, ny});
        }
    }
    return count;
}

void CheckOuterWalls(const MapFileData& map, std::vector<std::string>* out) {
    for (int y = 0; y < map.height; y++)
        for (int x = 0; x < map.width; x++) {
            bool edge = x == 0 || y == 0 || x == map.width - 1 || y == map.height - 1;
            if (edge && IsFloor(map, x, y))
                out->push_back(CellName(x, y) + ": outer wall: every edge cell must be \"Wall\"");
        }
}

// Returns false when the snake cannot start.
bool CheckStart(const MapFileData& map, std::vector<std::string>* out) {
    bool ok = true;
    for (const StartCell& c : kStartCells)
        if (!IsFloor(map, c.x, c.y)) {
            out->push_back(CellName(c.x, c.y) + ": start: the snake starts here, it must be floor");
            ok = false;
        }
    return ok;
}

void CheckConnected(const MapFileData& map, std::vector<std::string>* out) {
    std::vector<int> region(static_cast<size_t>(map.width) * map.height, 0);
    Flood(map, kStartCells[0].x, kStartCells[0].y, 1, &region);
    int mark = 1;
    for (int y = 0; y < map.height; y++)
        for (int x = 0; x < map.width; x++) {
            if (!IsFloor(map, x, y) || region[static_cast<size_t>(y) * map.width + x]) continue;
            int size = Flood(map, x, y, ++mark, &region);
            out->push_back(CellName(x, y) + ": connected: a floor region of " + std::to_string(size) +
                           " cells cannot be reached from the start");
        }
}

void CheckBlindEnds(const MapFileData& map, std::vector<std::string>* out) {
    for (int y = 0; y < map.height; y++)
        for (int x = 0; x < map.width; x++) {
            if (!IsFloor(map, x, y)) continue;
            int n = FloorNeighbours(map, x, y);
            if (n < 2)
                out->push_back(CellName(x, y) + ": no blind corridor: floor with " + std::to_string(n) +
                               " floor neighbour(s); a snake that enters can never turn back out");
        }
}

void CheckRoom(const MapFileData& map, int level, std::vector<std::string>* out) {
    int floor = 0;
    for (int y = 0; y < map.height; y++)
        for (int x = 0; x < map.width; x++) floor += IsFloor(map, x, y);
    const int target = TargetLength(level);
    if (floor < MinFloorCells(level))
        out->push_back("floor count: " + std::to_string(floor) + " floor cells, level " + std::to_string(level) +
                       " needs at least " + std::to_string(MinFloorCells(level)));
    // A snake that fills more than half the field has no room left to turn.
    else if (floor < 2 * target)
        out->push_back("room: " + std::to_string(floor) + " floor cells leave too little room for a snake of " +
                       std::to_string(target) + "; give it at least " + std::to_string(2 * target));
}

}  // namespace

std::vector<std::string> CheckMapRules(const MapFileData& map, int level) {
    std::vector<std::string> out;
    CheckOuterWalls(map, &out);
    if (CheckStart(map, &out)) CheckConnected(map, &out);
    CheckBlindEnds(map, &out);
    CheckRoom(map, level, &out);
    return out;
}
