// The level map file ("Maps\\Level3.map"): XML with root Map holding Width,
// Height, GrassT, WallT and Height rows of Width cells each. Read by the game
// and the map checker, so both accept the same files, and written by the map
// maker, the tests and the benchmarks.
#pragma once

#include <string>
#include <vector>

#include "Engine/rules.h"

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

// A map from rows drawn as the player sees them: '#' is a wall, any other
// character floor; the last row is row 0, the first column column 0.
MapFileData MapFromRows(const std::vector<std::string>& rows, const std::string& floorTexture,
                        const std::string& wallTexture);
// The file's text: one line for each size, texture and row, row 0 first.
std::string MapFileText(const MapFileData& map);
