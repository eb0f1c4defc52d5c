// Loading level maps: what a complete file gives, and how every kind of
// broken file is turned away with a message instead of a crash.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Engine/map.h"
#include "game_fixture.h"
#include "program_driver.h"
#include "proc.h"

namespace {

std::string Cells(const std::string& texts) {
    std::string row = "<Row>";
    for (char c : texts) row += c == '#' ? "<Cell>Wall</Cell>" : "<Cell>Grass</Cell>";
    return row + "</Row>";
}

// The 7 by 5 example map, rows from row 0 up.
const std::string kRows =
    Cells("#######") + Cells("#.....#") + Cells("#.....#") + Cells("#.....#") + Cells("#######");
const std::string kHeader = "<Width>7</Width><Height>5</Height><GrassT>grass</GrassT><WallT>brick</WallT>";

class MapTest : public GameTest {
protected:
    void SetUp() override { StartGraphics(); }
};

TEST_F(MapTest, CompleteFilesLoadWhateverTheirOrderCaseAndSurplus) {
    struct Case {
        const char* name;
        std::string xml;
        int width, height;
    };
    const Case cases[] = {
        {"plain", "<Map>" + kHeader + kRows + "</Map>", 7, 5},
        {"rows first", "<Map>" + kRows + kHeader + "</Map>", 7, 5},
        {"other letter case",
         "<MAP><width>7</width><HEIGHT>5</HEIGHT><grasst>grass</grasst><WALLT>brick</WALLT>" + kRows + "</MAP>", 7, 5},
        {"number with trailing text", "<Map><Width>7abc</Width><Height>5</Height><GrassT>grass</GrassT>"
                                      "<WallT>brick</WallT>" + kRows + "</Map>", 7, 5},
        {"surplus rows and cells ignored", "<Map><Width>6</Width><Height>4</Height><GrassT>grass</GrassT>"
                                           "<WallT>brick</WallT>" + kRows + "</Map>", 6, 4},
    };
    for (const Case& c : cases) {
        dir.Write("Maps/Level1.map", c.xml);
        Map map("Level1");
        ASSERT_EQ(map.LoadMap(), 1) << c.name << ": " << map.Error();
        EXPECT_EQ(map.width, c.width) << c.name;
        EXPECT_EQ(map.height, c.height) << c.name;
        EXPECT_EQ(map.IsOnWall(0, 0), 1) << c.name;
        EXPECT_EQ(map.IsOnWall(2, 1), 0) << c.name;
        map.FreeTextures();
    }
}

TEST_F(MapTest, OnlyTheExactTextWallIsAWallAndColumnsComeFirst) {
    dir.Write("Maps/Level1.map", "<Map>" + kHeader + Cells("#######") +
                                     "<Row><Cell>Wall</Cell><Cell>wall</Cell><Cell>Wall</Cell><Cell>Walls</Cell>"
                                     "<Cell>WALL</Cell><Cell>Grass</Cell><Cell>Wall</Cell></Row>" +
                                     Cells("#.....#") + Cells("#.....#") + Cells("#######") + "</Map>");
    Map map("Level1");
    ASSERT_EQ(map.LoadMap(), 1) << map.Error();
    EXPECT_EQ(map.IsOnWall(1, 1), 0);
    EXPECT_EQ(map.IsOnWall(2, 1), 1);
    EXPECT_EQ(map.IsOnWall(1, 2), 0);
    EXPECT_EQ(map.IsOnWall(3, 1), 0);
    EXPECT_EQ(map.IsOnWall(4, 1), 0);
    // Beyond the grid everything is wall, so a map without its border
    // still keeps the snake inside.
    for (auto [x, y] : {std::pair{-1, 2}, {7, 2}, {3, -1}, {3, 5}, {200, 200}}) EXPECT_EQ(map.IsOnWall(x, y), 1);
    map.FreeTextures();
}

TEST_F(MapTest, BrokenFilesAreRefusedWithTheFileAndTheProblemNamed) {
    struct Case {
        const char* name;
        const char* xml;  // null: no file at all
        const char* problem;
    };
    const std::string rows = kRows;
    const Case cases[] = {
        {"missing file", nullptr, "missing"},
        {"empty file", "", "empty"},
        {"not a map", "<Settings></Settings>", "no Map element"},
        {"not XML", "<Map><Width>7</Width></Oops>", "not well-formed"},
        {"no width", "<Map><Height>5</Height><GrassT>g</GrassT><WallT>w</WallT></Map>", "Width is missing"},
        {"empty height", "<Map><Width>7</Width><Height></Height><GrassT>g</GrassT><WallT>w</WallT></Map>",
         "Height is missing"},
        {"width zero", "<Map><Width>0</Width><Height>5</Height><GrassT>g</GrassT><WallT>w</WallT></Map>",
         "Width must be from 1 to 128"},
        {"height too big", "<Map><Width>7</Width><Height>129</Height><GrassT>g</GrassT><WallT>w</WallT></Map>",
         "Height must be from 1 to 128"},
        {"negative width", "<Map><Width>-3</Width><Height>5</Height><GrassT>g</GrassT><WallT>w</WallT></Map>",
         "Width must be from 1 to 128"},
        {"no floor texture", "<Map><Width>1</Width><Height>1</Height><WallT>w</WallT><Row><Cell>Wall</Cell></Row></Map>",
         "GrassT is missing"},
        {"long wall texture",
         "<Map><Width>1</Width><Height>1</Height><GrassT>g</GrassT><WallT>abcdefghijklmnop</WallT>"
         "<Row><Cell>Wall</Cell></Row></Map>",
         "WallT \"abcdefghijklmnop\" is longer than 15"},
        {"too few rows", "<Map><Width>1</Width><Height>2</Height><GrassT>g</GrassT><WallT>w</WallT>"
                         "<Row><Cell>Wall</Cell></Row></Map>", "Row 1 is missing"},
        {"too few cells", "<Map><Width>2</Width><Height>1</Height><GrassT>g</GrassT><WallT>w</WallT>"
                          "<Row><Cell>Wall</Cell></Row></Map>", "Row 0 has no Cell 1"},
        {"cell without text", "<Map><Width>2</Width><Height>1</Height><GrassT>g</GrassT><WallT>w</WallT>"
                              "<Row><Cell>Wall</Cell><Cell/></Row></Map>", "Cell 1 of Row 0 has no text"},
    };
    for (const Case& c : cases) {
        dir.Remove("Maps/Level1.map");
        if (c.xml) dir.Write("Maps/Level1.map", c.xml);
        Map map("Level1");
        EXPECT_EQ(map.LoadMap(), 0) << c.name;
        EXPECT_NE(map.Error().find("Maps/Level1.map"), std::string::npos) << c.name << ": " << map.Error();
        EXPECT_NE(map.Error().find(c.problem), std::string::npos) << c.name << ": " << map.Error();
        EXPECT_EQ(map.width, 0) << c.name;
        EXPECT_EQ(map.IsOnWall(1, 1), 1) << c.name;
        map.FreeTextures();
    }
}

TEST(MapInGame, ABrokenLevelShowsAMessageAndReturnsToTheMainMenu) {
    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
    backend.SetDesktopMode({160, 120, 24});
    dir.Write("Maps/Level1.map", "<Map><Width>300</Width></Map>");
    ProgramDriver driver;
    EXPECT_EQ(driver.Run(backend), 0);
    // The level's page ends within its start, before any message pump.
    EXPECT_EQ(driver.pages, (std::vector<std::string>{"start", "menu", "menu"}));
    ASSERT_EQ(backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(backend.MessageBoxes()[0].caption, "Tramox Error");
    EXPECT_NE(backend.MessageBoxes()[0].text.find("Maps/Level1.map"), std::string::npos);
    EXPECT_NE(backend.MessageBoxes()[0].text.find("Width must be from 1 to 128, not \"300\""), std::string::npos);
}

}  // namespace
