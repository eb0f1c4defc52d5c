// The map checker as authors run it: one line per violation naming file, cell and rule; exit status 1.
#include <algorithm>
#include <cstdio>

#include "game_fixture.h"

namespace {

// The checker's exit status and all it printed.
std::pair<int, std::string> RunMapCheck(const std::string& args) {
    std::string output;
    FILE* pipe = popen((std::string(TRAMOX_MAPCHECK " ") + args + " 2>&1").c_str(), "r");
    if (!pipe) return {-1, ""};
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

const std::vector<std::string> kArena = {"#########", "#.......#", "#.......#", "#.......#", "#########"};

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
        dir.Write("Level1.map", MapText(rows));
        const auto [status, output] = RunMapCheck(dir.File("Level1.map"));
        EXPECT_EQ(status, lines.empty() ? 0 : 1) << output;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), static_cast<long>(lines.size())) << output;
        for (const std::string& fragment : lines)
            EXPECT_NE(output.find(dir.File("Level1.map") + ": " + fragment), std::string::npos) << output;
    }
}

TEST(MapCheck, StructureProblemsAndTheLevelComeFromTheFile) {
    ScopedGameDir dir;
    dir.Write("Level3.map", "<Map><Width>300</Width><Height>4</Height></Map>");
    dir.Write("arena.map", MapText(kArena));
    const auto [status, output] = RunMapCheck(dir.File("Level3.map") + " " + dir.File("nothere.map"));
    EXPECT_EQ(status, 1);
    for (const char* fragment : {"Level3.map: structure: Width must be from 1 to 128", "Level3.map: structure: WallT",
                                 "nothere.map: structure: the file is missing"})
        EXPECT_NE(output.find(fragment), std::string::npos) << output;

    // 21 floor cells are room enough for level 1 (target 10), not for level 2 (target 15).
    EXPECT_NE(RunMapCheck(dir.File("arena.map")).second.find("cannot tell the level"), std::string::npos);
    EXPECT_EQ(RunMapCheck("--level 1 " + dir.File("arena.map")).first, 0);
    EXPECT_EQ(RunMapCheck("--level 2 " + dir.File("arena.map")).first, 1);
    EXPECT_EQ(RunMapCheck("").first, 2);
}

}  // namespace
