// The whole program against files that go bad and a display that refuses
// it: each fault gives the designed message or fallback, never a crash, and
// the player's settings survive.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Engine/engine.h"
#include "headless_world.h"
#include "settings.h"
#include "soak_driver.h"

namespace fs = std::filesystem;

namespace {

const std::string kPlayerSettings =
    "<Settings><ScreenWidth>200</ScreenWidth><ScreenHeight>150</ScreenHeight><ScreenColor>24</ScreenColor>"
    "<EngineDistance>1600</EngineDistance><EngineXAngle>30</EngineXAngle><EngineZAngle>10</EngineZAngle></Settings>";

// The text between <name> and </name> in an XML file's text.
std::string ElementText(const std::string& xml, const std::string& name) {
    const size_t start = xml.find("<" + name + ">") + name.size() + 2;
    return xml.substr(start, xml.find("</" + name + ">") - start);
}

// Level 2's files go bad while level 1 is played; level 2 then starts.
TEST(Faults, FilesOfTheNextLevelGoBadDuringAGame) {
    struct Case {
        const char* name;
        // What happens to the game folder; returns the file it damaged.
        std::string (*damage)(const ScopedGameDir& dir);
        bool message;  // level 2 cannot be played: a message, then the menu
    } cases[] = {
        {"map deleted",
         [](const ScopedGameDir& dir) {
             dir.Remove("Maps/Level2.map");
             return std::string("Maps/Level2.map");
         },
         true},
        {"map cut in half",
         [](const ScopedGameDir& dir) {
             const std::string map = dir.Read("Maps/Level2.map");
             dir.Write("Maps/Level2.map", map.substr(0, map.size() / 2));
             return std::string("Maps/Level2.map");
         },
         true},
        {"wall texture deleted",
         [](const ScopedGameDir& dir) {
             const std::string file = "Textures/" + ElementText(dir.Read("Maps/Level2.map"), "WallT") + ".txu";
             dir.Remove(file);
             return file;
         },
         false},
        {"floor texture cut short",
         [](const ScopedGameDir& dir) {
             const std::string file = "Textures/" + ElementText(dir.Read("Maps/Level2.map"), "GrassT") + ".txu";
             dir.Write(file, dir.Read(file).substr(0, 1000));
             return file;
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessWorld world;
        world.backend.SetDesktopMode({96, 72, 24});
        SoakRun run;
        run.games = 1;
        std::string damaged;
        long level2Steps = 0;
        run.onStep = [&](const Engine& engine, platform::HeadlessPlatform& b) {
            if (engine.level == 1 && damaged.empty()) damaged = c.damage(world.dir);
            // Level 2 started: a few steps show it plays, then back to the menu.
            if (engine.level == 2 && ++level2Steps == 20) {
                b.PostKeyDown(VK_ESCAPE);
                return true;
            }
            return engine.level == 2 && level2Steps > 20;
        };
        EXPECT_EQ(run.Play(world.backend), 0);
        ASSERT_EQ(run.levels.size(), 1u);
        ASSERT_EQ(run.endings.size(), 1u);
        // A level that cannot be loaded ends before its first step.
        EXPECT_EQ(run.levels[0], c.message ? 1 : 2) << run.endings[0];
        const auto& boxes = world.backend.MessageBoxes();
        if (c.message) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_NE(boxes[0].text.find(damaged), std::string::npos) << boxes[0].text;
            EXPECT_EQ(boxes[0].caption, "Tramox Error");
            EXPECT_EQ(run.endings[0], "menu");
            EXPECT_EQ(level2Steps, 0);
        } else {
            EXPECT_TRUE(boxes.empty());
            EXPECT_GE(level2Steps, 20);
        }
        // The run ended normally: the settings were written.
        EXPECT_TRUE(world.dir.Exists("Settings.xml"));
    }
}

// Runs the program to the main menu and closes it; returns its status.
int RunToMenu(HeadlessWorld& world) {
    SoakRun run;
    run.games = 0;
    return run.Play(world.backend);
}

TEST(Faults, BrokenSettingsFilesGiveDefaultsAndAreWrittenAnew) {
    const std::string written = [] {
        HeadlessWorld world;
        world.dir.Write("Settings.xml", kPlayerSettings);
        RunToMenu(world);
        return world.dir.Read("Settings.xml");
    }();
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe\x00<<>>&&;", 24)},
        {"cut in half", written.substr(0, written.size() / 2)},
        {"no Settings element", "<Options><ScreenWidth>1</ScreenWidth></Options>"},
        {"16-bit text with an unpaired surrogate", std::string("\xff\xfe<\0S\0\x00\xd8>\0", 10)},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessWorld world;
        world.backend.SetDesktopMode({120, 90, 24});
        world.dir.Write("Settings.xml", c.bytes);
        EXPECT_EQ(RunToMenu(world), 0);
        EXPECT_TRUE(world.backend.MessageBoxes().empty());
        // The new file holds the defaults and reads back whole.
        platform::Install(&world.backend);
        Settings reread;
        EXPECT_EQ(reread.LoadSettings(), 1);
        EXPECT_EQ(reread.screenWidth, 120);
        EXPECT_EQ(reread.engineDistance, 2048);
    }
}

// Root ignores permission bits, so the write is made to fail by taking the
// temporary file's name with a folder, and the file's own name likewise.
TEST(Faults, SettingsThatCannotBeWrittenKeepTheOldFile) {
    for (const char* blocked : {"Settings.xml.tmp", "Settings.xml"}) {
        SCOPED_TRACE(blocked);
        HeadlessWorld world;
        world.backend.SetDesktopMode({200, 150, 24});
        if (std::string(blocked) == "Settings.xml") {
            fs::create_directories(world.dir.File("Settings.xml/kept"));
        } else {
            world.dir.Write("Settings.xml", kPlayerSettings);
            fs::create_directories(world.dir.File(blocked));
        }
        // A game in which the camera moves, so there is something to save.
        SoakRun run;
        run.games = 1;
        run.onStep = [](const Engine& engine, platform::HeadlessPlatform& b) {
            if (engine.Steps() == 1) b.PostKeyDown('Q');
            if (engine.Steps() == 2) b.PostKeyDown(VK_ESCAPE);
            return engine.Steps() <= 2;
        };
        EXPECT_EQ(run.Play(world.backend), 0);
        if (std::string(blocked) == "Settings.xml") {
            EXPECT_TRUE(fs::is_directory(world.dir.File("Settings.xml/kept")));
        } else {
            EXPECT_EQ(world.dir.Read("Settings.xml"), kPlayerSettings);
            EXPECT_TRUE(fs::is_directory(world.dir.File(blocked)));
        }
    }
}

// A display that offers no mode at all.
class RefusingDisplay : public platform::HeadlessPlatform {
public:
    bool ChangeMode(const platform::DisplayMode&) override { return false; }
};

TEST(Faults, ADisplayRefusingEveryModeEndsWithMessagesAndKeepsTheSettings) {
    BasicHeadlessWorld<RefusingDisplay> world;
    world.dir.Write("Settings.xml", kPlayerSettings);
    EXPECT_EQ(platform::RunProgram(world.backend), 0);
    const auto& boxes = world.backend.MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Failed to init graphics. Trying default settings.");
    EXPECT_EQ(boxes[1].text, "Failed to init graphics with default settings. Exiting program.");
    EXPECT_EQ(world.dir.Read("Settings.xml"), kPlayerSettings);
    EXPECT_FALSE(world.backend.WindowExists());
}

}  // namespace
