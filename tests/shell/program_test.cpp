// The whole program on the off-screen backend: start-up, the splash, the main
// menu, the ways it ends, and start-up when the display refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "gamedir.h"
#include "headless.h"
#include "proc.h"
#include "shell_support.h"

using platform::HeadlessPlatform;

namespace {

template <class T>
bool Showing() {
    return dynamic_cast<T*>(currentPage) != nullptr;
}

// A release over the middle of a page rectangle, sent as the client pixel
// (rounded up) that the window procedure's truncation maps back onto it.
void Click(HeadlessPlatform& p, const PageRect& r, int but = 0) {
    p.PostClick(((r.x1 + r.x2) / 2 * ScreenWidth + 1023) / 1024, ((r.y1 + r.y2) / 2 * ScreenHeight + 767) / 768, but);
}

// Runs the program, calling `script` at the first empty pump after each
// presented frame; a run still going after 100 frames is closed and fails.
struct ScriptedRun {
    std::vector<std::string> pages;  // the page that presented each frame
    std::vector<long> times;
    int status;
    int Count(const char* page) const { return static_cast<int>(std::count(pages.begin(), pages.end(), page)); }

    ScriptedRun(HeadlessPlatform& os, const std::function<void(HeadlessPlatform&, const ScriptedRun&)>& script) {
        os.SetFrameCallback([this, &os](const platform::Frame&) {
            pages.push_back(Showing<startPage>() ? "start" : Showing<MainPage>() ? "main" : "other");
            times.push_back(os.Now());
        });
        int seen = -1;
        os.SetPumpCallback([&](HeadlessPlatform& p) {
            if (p.FramesPresented() == seen) return;
            seen = p.FramesPresented();
            if (seen < 100) return script(p, *this);
            if (seen == 100) {
                ADD_FAILURE() << "still running after 100 frames";
                p.PostClose();
            }
        });
        status = platform::RunProgram(os);
        os.SetPumpCallback(nullptr);
    }
};

TEST(ProgramTest, SplashForTwoSecondsThenMenuUntilQuit) {
    ScopedGameDir dir;
    HeadlessPlatform os;
    Sound::ClearRequests();
    // Input during the splash is lost with it; the menu ignores right-button
    // releases and keys.
    ScriptedRun run(os, [](HeadlessPlatform& p, const ScriptedRun& r) {
        if (Showing<startPage>() || r.Count("main") == 1) {
            Click(p, MainPage::kQuitButton, Showing<startPage>() ? 0 : 1);
            p.PostKeyDown(VK_ESCAPE);
        } else if (r.Count("main") == 3) {
            Click(p, MainPage::kQuitButton);
        }
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.pages, (std::vector<std::string>{"start", "main", "main", "main"}));
    EXPECT_GE(run.times[1] - run.times[0], 2000);
    EXPECT_LT(run.times[1] - run.times[0], 2100);
    EXPECT_EQ(os.Sleeps(), std::vector<unsigned long>{2000});
    EXPECT_EQ(SoundLog(), "Start.wav:1 GameOver.wav:0");
    // Shut down: desktop mode back, nothing left, the settings written.
    EXPECT_EQ(os.ModeInForce().width, 640);
    EXPECT_FALSE(os.ContextExists());
    EXPECT_FALSE(os.WindowExists());
    EXPECT_EQ(currentPage, nullptr);
    EXPECT_TRUE(dir.Exists("Settings.xml"));
}

// A close ends the running page after its step (the splash's queued menu is
// never run); of several releases in one pump the later request wins and a
// quit among them ends the program. Replaced and unrun pages are freed,
// which the leak checker watches.
TEST(ProgramTest, CloseAndSeveralRequestsInOnePump) {
    const struct {
        const char* name;
        bool onSplash;
        std::vector<PageRect> clicks;
        std::vector<std::string> pages;
    } cases[] = {
        {"close on splash", true, {}, {"start"}},
        {"close on menu", false, {}, {"start", "main"}},
        {"play then options", false, {MainPage::kPlayButton, MainPage::kOptionsButton}, {"start", "main", "other"}},
        {"options then quit", false, {MainPage::kOptionsButton, MainPage::kQuitButton}, {"start", "main"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedGameDir dir;
        HeadlessPlatform os;
        ScriptedRun run(os, [&](HeadlessPlatform& p, const ScriptedRun&) {
            if (Showing<OptionsPage>() || (Showing<startPage>() == c.onSplash && c.clicks.empty())) p.PostClose();
            if (Showing<MainPage>())
                for (const PageRect& r : c.clicks) Click(p, r);
        });
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.pages, c.pages);
        EXPECT_TRUE(dir.Exists("Settings.xml"));
    }
}

std::string SettingsFile(int width, int height) {
    return "<Settings><ScreenWidth>" + std::to_string(width) + "</ScreenWidth><ScreenHeight>" +
           std::to_string(height) + "</ScreenHeight><ScreenColor>32</ScreenColor></Settings>";
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
// mode (640 by 480), which the settings keep. Two: the second message and
// exit status 0, with the settings file untouched.
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
        dir.Write("Settings.xml", SettingsFile(c.width, c.height));
        FailingPlatform os;
        os.SetOfferedModes({{320, 240, 32}});
        os.windowFailures = c.windowFailures;
        os.formatFailures = c.formatFailures;
        int menuWidth = 0, menuMode = 0;
        ScriptedRun run(os, [&](HeadlessPlatform& p, const ScriptedRun&) {
            menuWidth = ScreenWidth;
            menuMode = p.ModeInForce().width;
            p.PostClose();
        });
        EXPECT_EQ(run.status, 0);
        std::vector<std::string> shown;
        for (const platform::MessageBoxRecord& box : os.MessageBoxes()) {
            shown.push_back(box.text);
            EXPECT_EQ(box.caption, "Tramox Error");
        }
        EXPECT_EQ(shown, c.messages);
        EXPECT_FALSE(os.windowLeftOver);
        const bool started = c.messages.size() == 1;
        EXPECT_EQ(menuWidth, started ? 640 : 0);
        EXPECT_EQ(menuMode, started ? 640 : 0);
        if (started) {
            EXPECT_NE(dir.Read("Settings.xml").find("<ScreenWidth>640<"), std::string::npos);
        } else {
            EXPECT_EQ(dir.Read("Settings.xml"), SettingsFile(c.width, c.height));
        }
    }
}

}  // namespace
