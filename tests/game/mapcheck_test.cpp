// The map checker, run as map authors run it: one line per violation,
// naming the file, the cell and the rule, and a failing exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "game_fixture.h"

namespace {

struct CheckResult {
    int status = -1;
    std::string output;
};

CheckResult RunMapCheck(const std::string& args) {
    CheckResult result;
    FILE* pipe = popen((std::string(TRAMOX_BINARY_DIR) + "/tools/mapcheck " + args + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

const std::vector<std::string> kArena = {"#########", "#.......#", "#.......#", "#.......#", "#########"};

TEST(MapCheck, EveryShippedMapPasses) {
    std::string files;
    for (int level = 1; level <= 10; level++)
        files += std::string(" ") + TRAMOX_GAME_DIR + "/Maps/Level" + std::to_string(level) + ".map";
    CheckResult r = RunMapCheck(files);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "");
}

TEST(MapCheck, EachViolationIsOneLineNamingFileCellAndRule) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {  // rows, one fragment a line
        {kArena, {}},
        {{"#########", "#........", "#.......#", "#.......#", "#########"},
         {"cell (8, 3): outer wall", "cell (8, 3): no blind corridor"}},
        {{"#########", "#.......#", "#.......#", "#.#.....#", "#########"},
         {"cell (2, 1): start", "cell (1, 1): no blind corridor"}},
        {{"###########", "#......#..#", "#......#..#", "#......####", "###########"},
         {"cell (8, 2): connected: a floor region of 4 cells"}},
        {{"##########", "####.#####", "####.#####", "#........#", "#........#", "#........#", "##########"},
         {"cell (4, 5): no blind corridor: floor with 1 floor neighbour(s)"}},
        {{"########", "#......#", "#......#", "########"},
         {"room: 12 floor cells leave too little room for a snake of 10"}},
        {{"#######", "#.....#", "#.....#", "#######"}, {"floor count: 10 floor cells, level 1 needs at least 11"}},
    };
    for (const auto& [rows, lines] : cases) {
        ScopedGameDir dir;
        dir.Write("Level1.map", MapXml(rows));
        CheckResult r = RunMapCheck(dir.File("Level1.map"));
        EXPECT_EQ(r.status, lines.empty() ? 0 : 1) << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), static_cast<long>(lines.size())) << r.output;
        for (const std::string& fragment : lines)
            EXPECT_NE(r.output.find(dir.File("Level1.map") + ": " + fragment), std::string::npos) << r.output;
    }
}

TEST(MapCheck, StructureProblemsAndTheLevelComeFromTheFile) {
    ScopedGameDir dir;
    dir.Write("Level3.map", "<Map><Width>300</Width><Height>4</Height></Map>");
    dir.Write("arena.map", MapXml(kArena));
    CheckResult broken = RunMapCheck(dir.File("Level3.map") + " " + dir.File("nothere.map"));
    EXPECT_EQ(broken.status, 1);
    for (const char* fragment : {"Level3.map: structure: Width must be from 1 to 128",
                                 "Level3.map: structure: GrassT is missing", "Level3.map: structure: WallT is missing",
                                 "nothere.map: structure: the file is missing"})
        EXPECT_NE(broken.output.find(fragment), std::string::npos) << broken.output;

    // The level sets the room a map needs: 21 floor cells are enough for
    // level 1 (target 10), not for level 2 (target 15).
    EXPECT_NE(RunMapCheck(dir.File("arena.map")).output.find("cannot tell the level"), std::string::npos);
    EXPECT_EQ(RunMapCheck("--level 1 " + dir.File("arena.map")).status, 0);
    EXPECT_EQ(RunMapCheck("--level 2 " + dir.File("arena.map")).status, 1);
    EXPECT_EQ(RunMapCheck("").status, 2);
}

}  // namespace
