// The whole program against level files that go bad: a message and the menu, never a crash.
#include <gtest/gtest.h>

#include <string>

#include "Engine/gamefiles.h"
#include "autoplayer.h"
#include "headless_world.h"
#include "program_driver.h"

namespace {

// The text between <name> and </name> in an XML file's text.
std::string ElementText(const std::string& xml, const std::string& name) {
    const size_t start = xml.find("<" + name + ">") + name.size() + 2;
    return xml.substr(start, xml.find("</" + name + ">") - start);
}

// Level 2's map is cut in half, or its wall texture deleted, while level 1 is played; level 2 then starts.
// The other kinds of damage are the loaders' cases (MapTest, TextureFileLengths).
TEST(Faults, FilesOfTheNextLevelGoBadDuringAGame) {
    // The map's element naming the texture deleted; null: the map, cut in half.
    for (const char* element : {static_cast<const char*>(nullptr), "WallT"}) {
        SCOPED_TRACE(element ? element : "map");
        HeadlessWorld world;
        world.backend.SetDesktopMode({96, 72, 24});
        const std::string file =
            element ? "Textures/" + ElementText(world.dir.Read("Maps/Level2.map"), element) + ".txu"
                      : "Maps/Level2.map";
        ProgramDriver driver;
        Autoplayer player;
        long level2Steps = 0;
        bool damaged = false;
        driver.steer = [&](const Engine& e) {
            if (e.level == 2) return ++level2Steps == 20 ? VK_ESCAPE : 0;  // it plays: back to the menu
            if (!damaged) {  // as level 1 starts
                damaged = true;
                const std::string bytes = world.dir.Read(file);
                element ? world.dir.Remove(file) : world.dir.Write(file, bytes.substr(0, bytes.size() / 2));
            }
            return player.Choose(e);
        };
        EXPECT_EQ(driver.Run(world.backend), 0);
        // A level that cannot be loaded ends before its first step, with a message.
        std::vector<std::string> pages = {"start", "menu", "level 1", "level 2", "menu"};
        if (!element) pages.erase(pages.begin() + 3);
        EXPECT_EQ(driver.pages, pages);
        const auto& boxes = world.backend.MessageBoxes();
        EXPECT_EQ(boxes.size(), element ? 0u : 1u);
        if (!boxes.empty()) {
            EXPECT_NE(boxes[0].text.find(MapFile(LevelMapName(2))), std::string::npos) << boxes[0].text;
            EXPECT_EQ(boxes[0].caption, "Tramox Error");
        }
        // The run ended normally: the settings were written.
        EXPECT_TRUE(world.dir.Exists("Settings.xml"));
    }
}

}  // namespace
