// Reading a level map file ("Maps/Level3.map"): XML with root Map holding
// Width, Height, GrassT, WallT and Height rows of Width cells each.
// Shared by the game and the map checker, so both accept the same files.
#pragma once

#include <string>
#include <vector>

enum { kMaxMapSide = 128, kMaxTextureName = 15 };

struct MapFileData {
    int width = 0;
    int height = 0;
    std::string grassT;
    std::string wallT;
    // Cell texts row by row: cells[y * width + x].
    std::vector<std::string> cells;

    const std::string& Cell(int x, int y) const { return cells[static_cast<size_t>(y) * width + x]; }
    // Outside the grid counts as wall, so nothing ever leaves it.
    bool IsWall(int x, int y) const;
};

// Reads and checks the structure of a map file. Returns the problems found,
// one sentence each (empty when the file is a complete map); `out` is only
// complete when there are none.
std::vector<std::string> ReadMapFile(const std::string& path, MapFileData* out);
