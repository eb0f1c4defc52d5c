// The settings store against files in a private game folder.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <functional>

#include "headless_world.h"
#include "settings_support.h"

namespace fs = std::filesystem;

namespace {

const SixValues kDesktopDefaults = {1920, 1080, 24, 2048, 45, 0};

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() { world.backend.SetDesktopMode({1920, 1080, 24}); }
    HeadlessWorld world;
    const ScopedGameDir& dir = world.dir;
};

// A display that cannot be asked for its mode: zeros, even if the query scribbled first.
TEST_F(SettingsStore, FailedModeQueryGivesZeroScreenValues) {
    struct : platform::HeadlessPlatform {
        bool QueryCurrentMode(platform::DisplayMode* mode) override { return mode->width = 99, false; }
    } blind;
    platform::Install(&blind);
    Settings s;
    s.GenerateDefaultSettings();
    EXPECT_EQ(Values(s), (SixValues{0, 0, 0, 2048, 45, 0}));
}

// Hand-written files: read as the player wrote them, then saved after the options
// page chose 1280 by 960, keeping the file's own names, order and extra content.
TEST_F(SettingsStore, ReadsAndUpdatesFilesInTheirOwnShape) {
    struct Case {
        const char* name;
        std::string file;
        SixValues read;
        std::string saved;  // after the fixed header
    } cases[] = {
        {"names in any case and order, first duplicate counts",
         "<SETTINGS><EngineZAngle>5</EngineZAngle><ScreenColor>32</ScreenColor><engineDISTANCE>7</engineDISTANCE>"
         "<ScreenHeight>768</ScreenHeight><ScreenHeight>1</ScreenHeight><EngineXAngle>60</EngineXAngle>"
         "<ScreenWidth>1024</ScreenWidth></SETTINGS>",
         {1024, 768, 32, 7, 60, 5},
         "<SETTINGS><EngineZAngle>5</EngineZAngle><ScreenColor>32</ScreenColor><engineDISTANCE>7</engineDISTANCE>"
         "<ScreenHeight>960</ScreenHeight><ScreenHeight>1</ScreenHeight><EngineXAngle>60</EngineXAngle>"
         "<ScreenWidth>1280</ScreenWidth></SETTINGS>"},
        {"extra elements, attributes, comments and text",
         "<Settings version=\"2\" owner='me'><!-- keep me --><ScreenWidth unit=\"px\">640</ScreenWidth>"
         "<Note>a &amp; b</Note><ScreenHeight>480</ScreenHeight>loose text<ScreenColor>16</ScreenColor>"
         "<EngineDistance>2048</EngineDistance><EngineXAngle>45</EngineXAngle><EngineZAngle>0</EngineZAngle>"
         "<![CDATA[raw <x>]]></Settings>",
         {640, 480, 16, 2048, 45, 0},
         "<Settings version=\"2\" owner=\"me\"><!-- keep me --><ScreenWidth unit=\"px\">1280</ScreenWidth>"
         "<Note>a &amp; b</Note><ScreenHeight>960</ScreenHeight>loose text<ScreenColor>16</ScreenColor>"
         "<EngineDistance>2048</EngineDistance><EngineXAngle>45</EngineXAngle><EngineZAngle>0</EngineZAngle>"
         "<![CDATA[raw <x>]]></Settings>"},
        {"own declaration and layout",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Settings>\r\n  <ScreenWidth> 800 </ScreenWidth>\r\n"
         "  <ScreenHeight>600</ScreenHeight>\r\n  <ScreenColor>24</ScreenColor>\r\n  <EngineDistance>900</EngineDistance>\r\n"
         "  <EngineXAngle>10</EngineXAngle>\r\n  <EngineZAngle>-20</EngineZAngle>\r\n</Settings>\r\n",
         {800, 600, 24, 900, 10, -20},
         SettingsFile({1280, 960, 24, 900, 10, -20}).substr(kFileHeader.size())},
        {"numbers read as atoi reads them, beyond int saturated, no range checks",
         "<Settings><ScreenWidth>12abc</ScreenWidth><ScreenHeight>abc</ScreenHeight><ScreenColor>7</ScreenColor>"
         "<EngineDistance>+30</EngineDistance><EngineXAngle>99999999999</EngineXAngle>"
         "<EngineZAngle>-99999999999</EngineZAngle></Settings>",
         {12, 0, 7, 30, INT_MAX, INT_MIN},
         SettingsFile({1280, 960, 7, 30, INT_MAX, INT_MIN}).substr(kFileHeader.size())},
        {"missing and empty elements take their defaults and are written",
         "<Settings><ScreenHeight>600</ScreenHeight><ScreenColor><!-- none --></ScreenColor><EngineDistance/>"
         "<EngineZAngle>3</EngineZAngle></Settings>",
         {1920, 600, 24, 2048, 45, 3},
         "<Settings><ScreenHeight>960</ScreenHeight><ScreenColor><!-- none -->24</ScreenColor>"
         "<EngineDistance>2048</EngineDistance><EngineZAngle>3</EngineZAngle><ScreenWidth>1280</ScreenWidth>"
         "<EngineXAngle>45</EngineXAngle></Settings>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("Settings.xml", c.file);
        Settings s;
        EXPECT_EQ(s.LoadSettings(), 1);
        EXPECT_EQ(Values(s), c.read);
        s.screenWidth = 1280;
        s.screenHeight = 960;
        s.SaveSettings();
        EXPECT_EQ(dir.Read("Settings.xml"), kFileHeader + c.saved);
    }
}

TEST_F(SettingsStore, BrokenFilesAreReplacedByDefaults) {
    for (const std::string& file : std::initializer_list<std::string>{
             "", "<Settings><ScreenWidth>800</ScreenWidth>", "<Settings><ScreenWidth>800</Settings>",
                             "<Options><ScreenWidth>800</ScreenWidth></Options>",
                             "<Settings><ScreenWidth>8&bad;</ScreenWidth></Settings>",
                             "\x89PNG\r\n\x1a\n\xff\xfe<<>>&&;",  // binary garbage
                             {"\xff\xfe<\0S\0\x00\xd8>\0", 10}}) {  // 16-bit text, an unpaired surrogate
        SCOPED_TRACE(file);
        dir.Write("Settings.xml", file);
        Settings s;
        EXPECT_EQ(s.LoadSettings(), 0);
        EXPECT_EQ(Values(s), kDesktopDefaults);
        s.SaveSettings();
        EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile(kDesktopDefaults));
    }
}

// A save that cannot complete leaves the previous file (or a folder holding
// its name) whole and no temporary file behind.
TEST_F(SettingsStore, FailedSaveKeepsWhatWasThere) {
    const std::string previous = SettingsFile({800, 600, 16, 1, 2, 3});
    const struct {
        const char* name;
        std::function<void()> sabotage;
        bool load, folder;
    } cases[] = {
        {"temporary file on a full device",
         [&] { fs::create_symlink("/dev/full", dir.File("Settings.xml.tmp")); }, true, false},
        {"nothing loaded to write", [] {}, false, false},
        {"a folder in the temporary file's place",
         [&] { fs::create_directories(dir.File("Settings.xml.tmp/kept")); }, true, false},
        {"a folder in the way of the replace",
         [&] { dir.Remove("Settings.xml"), fs::create_directories(dir.File("Settings.xml/kept")); }, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir.File("Settings.xml.tmp"));
        dir.Write("Settings.xml", previous);
        c.sabotage();
        Settings s;
        if (c.load) s.LoadSettings();
        s.screenWidth = 1280;
        s.SaveSettings();
        if (c.folder) {
            EXPECT_TRUE(fs::is_directory(dir.File("Settings.xml/kept")));
        } else {
            EXPECT_EQ(dir.Read("Settings.xml"), previous);
        }
        const fs::file_status tmp = fs::symlink_status(dir.File("Settings.xml.tmp"));
        EXPECT_TRUE(!fs::exists(tmp) || fs::is_directory(tmp));  // no file or link left; a folder stays
    }
}

// A Settings.xml the player linked elsewhere (a synchronised folder) stays a
// link: the save goes to the file it points to. A link into a folder that is
// not there saves nothing, and the link is kept for when the folder comes.
TEST_F(SettingsStore, SaveWritesThroughALinkAndKeepsIt) {
    const std::string synced = dir.File("synced");
    const struct {
        const char* name;
        std::string linkTo;
        bool folderThere;
    } cases[] = {
        {"absolute link", synced + "/Settings.xml", true},
        {"relative link", "synced/Settings.xml", true},
        {"link into a folder not there yet", synced + "/Settings.xml", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(synced);
        dir.Remove("Settings.xml");
        if (c.folderThere) {
            fs::create_directories(synced);
            dir.Write("synced/Settings.xml", SettingsFile({800, 600, 16, 1, 2, 3}));
        }
        fs::create_symlink(c.linkTo, dir.File("Settings.xml"));
        Settings s;
        s.LoadSettings();
        s.screenWidth = 1280;
        s.SaveSettings();
        EXPECT_TRUE(fs::is_symlink(dir.File("Settings.xml")));
        EXPECT_EQ(fs::read_symlink(dir.File("Settings.xml")), c.linkTo);
        if (c.folderThere) {
            EXPECT_EQ(dir.Read("synced/Settings.xml"), SettingsFile({1280, 600, 16, 1, 2, 3}));
            EXPECT_FALSE(fs::exists(synced + "/Settings.xml.tmp"));
        } else {
            EXPECT_FALSE(fs::exists(synced));
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(dir.File("Settings.xml.tmp"))));
    }
}

}  // namespace
