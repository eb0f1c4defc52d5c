// Turns the level layouts (data/levels/levelNN.txt) into the game's map
// files (LevelN.map).
//
// A layout is plain text: lines starting with ';' are comments, "floor NAME"
// and "wall NAME" name the two textures, and the remaining lines draw the
// grid with '#' for a wall and '.' for floor, as the player sees it: the
// last line is row 0, nearest to the viewer, the first column is column 0.
//
// Usage: make_maps OUTPUT_FOLDER LAYOUT...
#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "Engine/gamefiles.h"
#include "Engine/mapfile.h"
#include "Engine/rules.h"
#include "Engine/texturelist.h"

namespace {

struct Layout {
    std::string floor;
    std::string wall;
    std::vector<std::string> rows;  // as drawn: first line is the far edge
};

bool Fail(const std::string& where, const std::string& message) {
    std::cerr << where << ": " << message << "\n";
    return false;
}

template <size_t N>
bool Known(const std::string& name, const char* const (&names)[N]) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool ReadLayout(const std::string& path, Layout* out) {
    std::ifstream in(path);
    if (!in) return Fail(path, "cannot be opened");
    std::string line;
    for (int number = 1; std::getline(in, line); number++) {
        const std::string where = path + ":" + std::to_string(number);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        std::istringstream words(line);
        std::string key, value;
        words >> key >> value;
        if (key == "floor" || key == "wall") {
            if (key == "floor" ? !Known(value, kFloorTextures) : !Known(value, kWallTextures))
                return Fail(where, "no " + key + " texture is called \"" + value + "\"");
            (key == "floor" ? out->floor : out->wall) = value;
            continue;
        }
        if (line.find_first_not_of("#.") != std::string::npos)
            return Fail(where, "grid lines hold only '#' (wall) and '.' (floor)");
        if (!out->rows.empty() && line.size() != out->rows[0].size())
            return Fail(where, "grid line has " + std::to_string(line.size()) + " cells, the first has " +
                                   std::to_string(out->rows[0].size()));
        out->rows.push_back(line);
    }
    if (out->floor.empty() || out->wall.empty()) return Fail(path, "needs both a floor and a wall line");
    const size_t maxSide = kMaxMapSide;
    if (out->rows.empty() || out->rows.size() > maxSide || out->rows[0].size() > maxSide)
        return Fail(path, "the grid must be 1 to " + std::to_string(maxSide) + " cells each way");
    return true;
}

// "data/levels/level07.txt" is level 7; 0 when the name holds no number.
int LevelNumber(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    size_t digit = name.find_first_of("0123456789");
    return digit == std::string::npos ? 0 : std::stoi(name.substr(digit));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: make_maps OUTPUT_FOLDER LAYOUT...\n";
        return 2;
    }
    const std::string folder = argv[1];
    int status = 0;
    for (int i = 2; i < argc; i++) {
        const std::string path = argv[i];
        Layout layout;
        int level = LevelNumber(path);
        if (level < 1) {
            Fail(path, "the file name must hold the level number (level07.txt)");
            status = 1;
            continue;
        }
        if (!ReadLayout(path, &layout)) {
            status = 1;
            continue;
        }
        const std::string target = folder + "/" + LevelMapName(level) + ".map";
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out << MapFileText(MapFromRows(layout.rows, layout.floor, layout.wall));
        if (!out.flush()) {
            Fail(target, "cannot be written");
            status = 1;
        }
    }
    return status;
}
