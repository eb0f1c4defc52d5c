// The whole program on the off-screen backend: start-up, the splash, the main
// menu, the ways it ends, and start-up when the display refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings_support.h"
#include "Engine/engine.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "gamedir.h"
#include "sound_log.h"

using platform::HeadlessPlatform;

namespace {

template <class T>
bool Showing() {
    return dynamic_cast<T*>(currentPage) != nullptr;
}

// Notes the page that presented each frame.
void RecordPages(HeadlessPlatform& os, std::vector<std::string>& pages) {
    os.SetFrameCallback([&pages](const platform::Frame&) {
        pages.push_back(Showing<startPage>() ? "start" : Showing<MainPage>() ? "main" : "other");
    });
}

TEST(ProgramTest, SplashForTwoSecondsThenMenuUntilQuit) {
    ScopedGameDir dir;
    HeadlessPlatform os;
    std::vector<std::string> pages;
    RecordPages(os, pages);
    // Input during the splash is lost with it; the menu ignores right-button
    // releases and keys.
    EXPECT_EQ(RunScripted(os, [](HeadlessPlatform& p, int calls) {
                  if (calls == 0) {
                      ClickInside(p, kQuitButton, Showing<startPage>() ? 0 : 1);
                      p.PostKeyDown(VK_ESCAPE);
                  } else if (calls == 2) {
                      ClickInside(p, kQuitButton);
                  }
              }),
              0);
    EXPECT_EQ(pages, (std::vector<std::string>{"start", "main", "main", "main"}));
    EXPECT_EQ(os.Sleeps(), std::vector<unsigned long>{2000});
    EXPECT_EQ(SoundLog(os), "Start.wav:1 GameOver.wav:0");
    // Shut down: desktop mode back, nothing left, the first run's settings written.
    EXPECT_EQ(os.ModeInForce().width, 640);
    EXPECT_FALSE(os.ContextExists() || os.WindowExists() || currentPage);
    EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile({640, 480, 32, 2048, 45, 0}));
    EXPECT_FALSE(dir.Exists("Settings.xml.tmp"));
}

// A close ends the running page after its step (the splash's queued menu is
// never run); of several releases in one pump the later request wins and a
// quit among them ends the program. The leak checker watches that replaced
// and unrun pages are freed.
TEST(ProgramTest, CloseAndSeveralRequestsInOnePump) {
    const struct {
        const char* name;
        bool onSplash;
        std::vector<PageRect> clicks;
        std::vector<std::string> pages;
    } cases[] = {
        {"close on splash", true, {}, {"start"}},
        {"close on menu", false, {}, {"start", "main"}},
        {"play then options", false, {kPlayButton, kOptionsButton}, {"start", "main", "other"}},
        {"options then quit", false, {kOptionsButton, kQuitButton}, {"start", "main"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedGameDir dir;
        HeadlessPlatform os;
        std::vector<std::string> pages;
        RecordPages(os, pages);
        EXPECT_EQ(RunScripted(os, [&](HeadlessPlatform& p, int) {
                      if (Showing<OptionsPage>() || (Showing<startPage>() == c.onSplash && c.clicks.empty())) p.PostClose();
                      if (Showing<MainPage>())
                          for (const PageRect& r : c.clicks) ClickInside(p, r);
                  }),
                  0);
        EXPECT_EQ(pages, c.pages);
        EXPECT_TRUE(dir.Exists("Settings.xml"));
    }
}

// Losing activation minimises the window and gives the desktop its mode
// back; regaining it restores the window in the game's mode. The menu keeps
// running throughout.
TEST(ProgramTest, LosingAndRegainingActivation) {
    ScopedGameDir dir;
    dir.Write("Settings.xml", SettingsFile({320, 240, 32, 2048, 45, 0}));
    HeadlessPlatform os;
    os.SetDesktopMode({640, 480, 24});
    os.SetOfferedModes({{320, 240, 32}});
    std::vector<std::pair<bool, int>> seen;  // minimised, width of the mode in force
    EXPECT_EQ(RunScripted(os, [&](HeadlessPlatform& p, int calls) {
                  if (!Showing<MainPage>()) return;
                  seen.push_back({p.WindowMinimized(), p.ModeInForce().width});
                  if (calls == 0) p.Post({WM_ACTIVATE, 0, 0});
                  if (calls == 1) p.Post({WM_ACTIVATE, 1, 0});
                  if (calls == 2) p.PostClose();
              }),
              0);
    EXPECT_EQ(seen, (std::vector<std::pair<bool, int>>{{false, 320}, {true, 640}, {false, 320}}));
}

// The end of the session (log-off, shutdown) during a level saves what a quit
// after leaving the level saves, the camera moved in the level included;
// the system ends the process once the message is handled, so the exit
// comes before the program could go on. An ending called off changes nothing.
TEST(ProgramTest, SessionEndSavesAsAQuitDoes) {
    enum Ending { kQuit, kEndSession, kEndCalledOff };
    std::string saved[3];
    for (Ending ending : {kQuit, kEndSession, kEndCalledOff}) {
        SCOPED_TRACE(ending);
        ScopedGameDir dir;
        HeadlessPlatform os;
        int framesAfterEnd = 0;
        bool played = false, ended = false;
        EXPECT_EQ(RunScripted(os, [&](HeadlessPlatform& p, int calls) {
                      if (ended) ++framesAfterEnd;
                      if (Showing<MainPage>()) ClickInside(p, played ? kQuitButton : kPlayButton);
                      if (!Showing<Engine>()) return;
                      played = true;
                      if (calls == 0) p.PostKeyDown('Q');
                      if (calls == 1 && ending != kQuit) {
                          p.Post({WM_ENDSESSION, ending == kEndSession ? 1ul : 0ul, 0});
                          ended = ending == kEndSession;
                      } else if (calls >= 1) {
                          p.PostKeyDown(VK_ESCAPE);
                      }
                  }),
                  0);
        EXPECT_EQ(framesAfterEnd, 0);
        saved[ending] = dir.Read("Settings.xml");
    }
    EXPECT_NE(saved[kQuit], SettingsFile({640, 480, 32, 2048, 45, 0}));
    EXPECT_EQ(saved[kEndSession], saved[kQuit]);
    EXPECT_EQ(saved[kEndCalledOff], saved[kQuit]);
}

// A display whose window or pixel format fails a number of times, noting
// whether a window was left over when the next one was asked for.
struct FailingPlatform : HeadlessPlatform {
    int windowFailures = 0, formatFailures = 0;
    bool windowLeftOver = false;
    bool CreateGameWindow(const char* title, int w, int h) override {
        windowLeftOver |= WindowExists();
        return windowFailures-- <= 0 && HeadlessPlatform::CreateGameWindow(title, w, h);
    }
    bool SetPixelFormat(int color, int depth) override {
        return formatFailures-- <= 0 && HeadlessPlatform::SetPixelFormat(color, depth);
    }
};

// One failure: the first message, a fresh second attempt in the desktop
// mode, which the settings keep with the player's camera. Two: the second message and exit status 0,
// with the settings file untouched.
TEST(ProgramTest, GraphicsFallback) {
    const std::string first = "Failed to init graphics. Trying default settings.";
    const std::string second = "Failed to init graphics with default settings. Exiting program.";
    const struct {
        const char* name;
        int width, height, windowFailures, formatFailures;
        std::vector<std::string> messages;
    } cases[] = {
        {"mode refused", 1280, 960, 0, 0, {first}},
        {"window refused", 320, 240, 1, 0, {first}},
        {"pixel format refused", 320, 240, 0, 1, {first}},
        {"refused twice", 320, 240, 2, 0, {first, second}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedGameDir dir;
        const std::string file = SettingsFile({c.width, c.height, 32, 3008, 60, -15});
        dir.Write("Settings.xml", file);
        FailingPlatform os;
        os.SetOfferedModes({{320, 240, 32}});
        os.windowFailures = c.windowFailures;
        os.formatFailures = c.formatFailures;
        int width = 0, mode = 0;
        EXPECT_EQ(RunScripted(os, [&](HeadlessPlatform& p, int) {
                      width = ScreenWidth, mode = p.ModeInForce().width;
                      p.PostClose();
                  }),
                  0);
        std::vector<std::string> shown;
        for (const platform::MessageBoxRecord& box : os.MessageBoxes()) {
            shown.push_back(box.text);
            EXPECT_EQ(box.caption, "Tramox Error");
        }
        EXPECT_EQ(shown, c.messages);
        EXPECT_FALSE(os.windowLeftOver);
        const bool started = c.messages.size() == 1;
        EXPECT_EQ(std::vector<int>({width, mode}), std::vector<int>(2, started ? 640 : 0));
        EXPECT_EQ(dir.Read("Settings.xml"), started ? SettingsFile({640, 480, 32, 3008, 60, -15}) : file);
    }
}

}  // namespace
