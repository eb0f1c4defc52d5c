// Whatever settings file the player had, the file written back loads with the run's values (each case once broke).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "headless_world.h"
#include "settings_support.h"

namespace {

// A file cut short by zero bytes: the parser reads up to the first one.
const char kCutShort[] = "<settings><w>1<?x v=\"1\0\0\"?><ScreenWidth>9</ScreenWidth></settings>";

TEST(SettingsRoundTrip, EveryLoadedFileIsWrittenSoThatItLoadsBack) {
    const std::string utf8 = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n",
                      latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
    // Name, the file, the declaration it is written back with, bytes the written file must still hold.
    const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
        {"Latin-1 text read one byte per character",
         std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Settings><ScreenWidth>800</ScreenWidth>"
                     "<Note>caf\xE9</Note><EngineXAngle>-5</EngineXAngle></Settings>"),
         latin1, "<Note>caf\xE9</Note>"},
        {"Latin-1 lead byte right before markup",
         std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Settings><Note>\xE9</Note>"
                     "<ScreenWidth>800</ScreenWidth></Settings>"),
         latin1, "<Note>\xE9</Note>"},
        {"UTF-8 text", "<Settings><Note>caf\xC3\xA9 \xC3\xBC</Note><ScreenWidth>800</ScreenWidth></Settings>", utf8,
         "<Note>caf\xC3\xA9 \xC3\xBC</Note>"},
        {"UTF-8 text of four bytes a character", "<Settings><Note>\xF0\x9F\x90\x8D</Note></Settings>", utf8,
         "<Note>\xF0\x9F\x90\x8D</Note>"},
        // The first and last lead byte of two, three and four bytes, and the bytes just beyond them.
        {"UTF-8 lead bytes at the ends of their ranges",
         "<Settings><Note>\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF0\x90\x80\x80\xF4\x8F\xBF\xBF</Note></Settings>",
         utf8, "<Note>\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF0\x90\x80\x80\xF4\x8F\xBF\xBF</Note>"},
        {"overlong lead byte 0xC1", "<Settings><Note>\xC1\xBF</Note></Settings>", latin1, "<Note>\xC1\xBF</Note>"},
        {"lead byte 0xF5, beyond the last character", "<Settings><Note>\xF5\x80\x80\x80</Note></Settings>", latin1,
         "<Note>\xF5\x80\x80\x80</Note>"},
        {"declaration left open inside an element",
         "<Settings><ScreenWidth>800</ScreenWidth><EngineZAngle>7</EngineZAngle><x><?y a=\"b", utf8, ""},
        {"end of data inside a declaration's value", std::string(kCutShort, sizeof kCutShort - 1), utf8, ""},
    };
    for (const auto& [name, file, declaration, kept] : cases) {
        SCOPED_TRACE(name);
        HeadlessWorld world;
        world.dir.Write("Settings.xml", file);
        Settings first;
        first.LoadSettings();
        first.screenWidth = 1280;
        first.engineDistance = 3000;
        // The XML options the rest of the program left (opposite to the file's) survive the save.
        const char utf8Before = declaration == latin1;
        XMLNode::setGlobalOptions(0, utf8Before);
        first.SaveSettings();
        char guessAfter, utf8After;
        XMLNode::getGlobalOptions(&guessAfter, &utf8After);
        EXPECT_EQ(std::make_pair(guessAfter, utf8After), std::make_pair('\0', utf8Before));

        Settings again;
        EXPECT_EQ(again.LoadSettings(), 1);
        EXPECT_EQ(Values(again), Values(first));
        const std::string written = world.dir.Read("Settings.xml");
        EXPECT_EQ(written.substr(0, declaration.size()), declaration);
        EXPECT_NE(written.find(kept), std::string::npos);
        EXPECT_FALSE(world.dir.Exists("Settings.xml.tmp"));
    }
}

}  // namespace
