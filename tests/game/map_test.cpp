// Loading level maps: complete files in any form, and broken ones refused with a message, not a crash.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "Engine/map.h"
#include "game_fixture.h"

namespace {

// One Row element from cells drawn as the player sees them ('#' a wall).
std::string RowXml(const std::string& cells) {
    std::string row = "<Row>";
    for (char c : cells) row += c == '#' ? "<Cell>Wall</Cell>" : "<Cell>Grass</Cell>";
    return row + "</Row>\n";
}

// The 7 by 5 example map, rows from row 0 up; row 1 spells out which texts
// count as a wall: only the exact "Wall".
const std::string kRows = RowXml("#######") +
                          "<Row><Cell>Wall</Cell><Cell>wall</Cell><Cell>Wall</Cell><Cell>Walls</Cell>"
                          "<Cell>WALL</Cell><Cell>Grass</Cell><Cell>Wall</Cell></Row>" +
                          RowXml("#.....#") + RowXml("#.....#") + RowXml("#######");
std::string Header(const std::string& width = "7", const std::string& height = "5") {
    return "<Width>" + width + "</Width><Height>" + height + "</Height><GrassT>grass</GrassT><WallT>brick</WallT>";
}

class MapTest : public GameTest {
protected:
    void SetUp() override { StartGraphics(); }
};

TEST_F(MapTest, CompleteFilesLoadWhateverTheirOrderCaseAndSurplus) {
    const std::tuple<const char*, std::string, int, int> cases[] = {
        {"plain", "<Map>" + Header() + kRows + "</Map>", 7, 5},
        {"rows first", "<Map>" + kRows + Header() + "</Map>", 7, 5},
        {"other letter case",
         "<MAP><width>7</width><HEIGHT>5</HEIGHT><grasst>grass</grasst><WALLT>brick</WALLT>" + kRows + "</MAP>", 7, 5},
        {"number with trailing text", "<Map>" + Header("7abc") + kRows + "</Map>", 7, 5},
        {"surplus rows and cells ignored", "<Map>" + Header("6", "4") + kRows + "</Map>", 6, 4},
    };
    for (const auto& [name, xml, width, height] : cases) {
        dir.Write("Maps/Level1.map", xml);
        Map map("Level1");
        ASSERT_EQ(map.LoadMap(), 1) << name << ": " << map.Error();
        EXPECT_EQ(std::make_pair(map.width, map.height), std::make_pair(width, height)) << name;
        // (x, y) is cell x of row y; off the grid is wall, so a borderless map still keeps the snake in.
        const std::pair<int, int> walls[] = {{0, 0}, {2, 1}, {-1, 2}, {width, 2}, {3, -1}, {3, height}, {200, 200}};
        const std::pair<int, int> floors[] = {{1, 1}, {3, 1}, {4, 1}, {1, 2}, {2, 2}};
        for (auto [x, y] : walls) EXPECT_EQ(map.IsOnWall(x, y), 1) << name << " (" << x << ", " << y << ")";
        for (auto [x, y] : floors) EXPECT_EQ(map.IsOnWall(x, y), 0) << name << " (" << x << ", " << y << ")";
        map.FreeTextures();
    }
}

TEST_F(MapTest, BrokenFilesAreRefusedWithTheFileAndTheProblemNamed) {
    const std::string ok = "<GrassT>g</GrassT><WallT>w</WallT>";
    const std::pair<const char*, std::optional<std::string>> cases[] = {  // problem, file text
        {"missing", std::nullopt},
        {"empty", ""},
        {"no Map element", "<Settings></Settings>"},
        {"not well-formed", "<Map><Width>7</Width></Oops>"},
        {"Width is missing", "<Map><Height>5</Height>" + ok + "</Map>"},
        {"Height is missing", "<Map><Width>7</Width><Height></Height>" + ok + "</Map>"},
        {"Width must be from 1 to 128", "<Map><Width>0</Width><Height>5</Height>" + ok + "</Map>"},
        {"Height must be from 1 to 128", "<Map><Width>7</Width><Height>129</Height>" + ok + "</Map>"},
        {"GrassT is missing", "<Map><Width>1</Width><Height>1</Height><WallT>w</WallT>" + RowXml("#") + "</Map>"},
        {"WallT \"abcdefghijklmnop\" is longer than 15",
         "<Map><Width>1</Width><Height>1</Height><GrassT>g</GrassT><WallT>abcdefghijklmnop</WallT>" + RowXml("#") +
             "</Map>"},
        {"Row 1 is missing", "<Map><Width>1</Width><Height>2</Height>" + ok + RowXml("#") + "</Map>"},
        {"Row 0 has no Cell 1", "<Map><Width>2</Width><Height>1</Height>" + ok + RowXml("#") + "</Map>"},
        {"Cell 1 of Row 0 has no text",
         "<Map><Width>2</Width><Height>1</Height>" + ok + "<Row><Cell>Wall</Cell><Cell/></Row></Map>"},
    };
    for (const auto& [problem, xml] : cases) {
        dir.Remove("Maps/Level1.map");
        if (xml) dir.Write("Maps/Level1.map", *xml);
        Map map("Level1");
        EXPECT_EQ(map.LoadMap(), 0) << problem;
        EXPECT_NE(map.Error().find("Maps\\Level1.map"), std::string::npos) << map.Error();
        EXPECT_NE(map.Error().find(problem), std::string::npos) << map.Error();
        EXPECT_EQ(map.width, 0) << problem;
        EXPECT_EQ(map.IsOnWall(1, 1), 1) << problem;
        map.FreeTextures();
    }
}

}  // namespace
