// Whatever settings file the player had, the file written back loads with the run's values: no choice is
// lost at the next start. Each case is a file that once came back broken.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "headless_world.h"
#include "settings_support.h"

namespace {

// A file cut short by zero bytes: the parser reads up to the first one.
const char kCutShort[] = "<settings><w>1<?x v=\"1\0\0\"?><ScreenWidth>9</ScreenWidth></settings>";

TEST(SettingsRoundTrip, EveryLoadedFileIsWrittenSoThatItLoadsBack) {
    // Name, the file, bytes the written file must still hold (kept from the old file).
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"Latin-1 text read one byte per character",
         std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Settings><ScreenWidth>800</ScreenWidth>"
                     "<Note>caf\xE9</Note><EngineXAngle>-5</EngineXAngle></Settings>"),
         "<Note>caf\xE9</Note>"},
        {"Latin-1 lead byte right before markup",
         std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Settings><Note>\xE9</Note>"
                     "<ScreenWidth>800</ScreenWidth></Settings>"),
         "<Note>\xE9</Note>"},
        {"UTF-8 text", "<Settings><Note>caf\xC3\xA9</Note><ScreenWidth>800</ScreenWidth></Settings>",
         "<Note>caf\xC3\xA9</Note>"},
        {"declaration left open inside an element",
         "<Settings><ScreenWidth>800</ScreenWidth><EngineZAngle>7</EngineZAngle><x><?y a=\"b", ""},
        {"end of data inside a declaration's value", std::string(kCutShort, sizeof kCutShort - 1), ""},
    };
    for (const auto& [name, file, kept] : cases) {
        SCOPED_TRACE(name);
        HeadlessWorld world;
        world.dir.Write("Settings.xml", file);
        Settings first;
        first.LoadSettings();
        first.screenWidth = 1280;
        first.engineDistance = 3000;
        first.SaveSettings();

        Settings again;
        EXPECT_EQ(again.LoadSettings(), 1);
        EXPECT_EQ(Values(again), Values(first));
        EXPECT_NE(world.dir.Read("Settings.xml").find(kept), std::string::npos);
        EXPECT_FALSE(world.dir.Exists("Settings.xml.tmp"));
    }
}

}  // namespace
