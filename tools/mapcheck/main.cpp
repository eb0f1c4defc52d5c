// The map checker: tells a map author everything that keeps a level map
// from loading or from being playable, one line per violation.
//
// Usage: mapcheck [--level N] FILE.map...
// Without --level, the level comes from the file name (Level7.map is 7).
// Exit status: 0 when every file passes, 1 on violations, 2 on bad usage.
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "Engine/mapfile.h"
#include "maprules.h"

namespace {

// "Maps/Level7.map" is level 7; 0 when the name does not say.
int LevelFromName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    if (name.rfind("level", 0) != 0) return 0;
    return atoi(name.c_str() + 5);
}

std::vector<std::string> CheckFile(const std::string& path, int level) {
    MapFileData map;
    std::vector<std::string> problems = ReadMapFile(path, &map);
    if (!problems.empty()) {
        for (std::string& p : problems) p = "structure: " + p;
        return problems;
    }
    if (level < 1) return {"level: cannot tell the level from the name; call it LevelN.map or give --level N"};
    return CheckMapRules(map, level);
}

}  // namespace

int main(int argc, char** argv) {
    int level = 0;
    std::vector<std::string> files;
    for (int i = 1; i < argc; i++) {
        std::string arg = argv[i];
        if (arg == "--level" && i + 1 < argc)
            level = atoi(argv[++i]);
        else
            files.push_back(arg);
    }
    if (files.empty()) {
        std::cerr << "usage: mapcheck [--level N] FILE.map...\n";
        return 2;
    }
    int violations = 0;
    for (const std::string& path : files) {
        for (const std::string& message : CheckFile(path, level ? level : LevelFromName(path))) {
            std::cout << path << ": " << message << "\n";
            violations++;
        }
    }
    return violations ? 1 : 0;
}
