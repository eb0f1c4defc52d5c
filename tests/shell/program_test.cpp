// The whole program on the off-screen backend: start-up, the splash, the main
// menu and the ways the program ends.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "Sound/sound.h"
#include "gamedir.h"
#include "shell_support.h"

using platform::HeadlessPlatform;
using shelltest::PixelX;
using shelltest::PixelY;
using shelltest::RunScripted;
using shelltest::Showing;

namespace {

std::string PageName() {
    if (Showing<startPage>()) return "start";
    if (Showing<MainPage>()) return "main";
    if (Showing<OptionsPage>()) return "options";
    return currentPage ? "other" : "none";
}

struct ShownFrame {
    std::string page;
    long time;
};

// Runs of the program that remember which page presented each frame.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { Sound::ClearRequests(); }

    int Run(HeadlessPlatform& p, std::function<void(HeadlessPlatform&)> script) {
        frames.clear();
        p.SetFrameCallback([this, &p](const platform::Frame&) { frames.push_back({PageName(), p.Now()}); });
        return RunScripted(p, std::move(script));
    }

    int CountFrames(const std::string& page) const {
        int n = 0;
        for (const ShownFrame& f : frames) n += f.page == page;
        return n;
    }

    void Click(HeadlessPlatform& p, const PageRect& button, int but = 0) {
        p.PostClick(PixelX((button.x1 + button.x2) / 2), PixelY((button.y1 + button.y2) / 2), but);
    }

    std::vector<std::string> SoundFiles() const {
        std::vector<std::string> names;
        for (const Sound::Request& r : Sound::Requests()) names.push_back(r.file);
        return names;
    }

    ScopedGameDir dir;
    HeadlessPlatform os;
    std::vector<ShownFrame> frames;
};

TEST_F(ProgramTest, SplashStaysTwoSecondsThenMenuFollowsWithoutInput) {
    int status = Run(os, [this](HeadlessPlatform& p) {
        if (CountFrames("main") == 3) Click(p, MainPage::kQuitButton);
    });
    EXPECT_EQ(status, 0);

    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames[0].page, "start");
    EXPECT_EQ(CountFrames("start"), 1);
    EXPECT_EQ(frames[1].page, "main");
    long shown = frames[1].time - frames[0].time;
    EXPECT_GE(shown, 2000);
    EXPECT_LT(shown, 2100);
    EXPECT_EQ(os.Sleeps(), std::vector<unsigned long>{2000});

    // The quit button ends the program: no frame after the menu's last.
    EXPECT_EQ(frames.back().page, "main");
    EXPECT_EQ(CountFrames("main"), 3);
    ASSERT_EQ(Sound::Requests().size(), 2u);
    EXPECT_EQ(Sound::Requests()[0].file, "Start.wav");
    EXPECT_EQ(Sound::Requests()[0].async, 1);
    EXPECT_EQ(Sound::Requests()[1].file, "GameOver.wav");
    EXPECT_EQ(Sound::Requests()[1].async, 0);

    // Shutdown: desktop mode back, nothing left behind, settings written.
    EXPECT_EQ(os.ModeInForce().width, 640);
    EXPECT_FALSE(os.ContextExists());
    EXPECT_EQ(currentPage, nullptr);
    EXPECT_EQ(static_cast<PageBase*>(nextPage), nullptr);
    EXPECT_TRUE(dir.Exists("Settings.xml"));
}

TEST_F(ProgramTest, InputDuringSplashReachesNeitherSplashNorMenu) {
    Run(os, [this](HeadlessPlatform& p) {
        if (Showing<startPage>()) {
            Click(p, MainPage::kQuitButton);
            Click(p, MainPage::kOptionsButton);
            p.PostKeyDown(VK_ESCAPE);
        } else if (CountFrames("main") == 5) {
            p.PostClose();
        }
    });
    EXPECT_EQ(CountFrames("main"), 5);
    EXPECT_EQ(CountFrames("options"), 0);
    EXPECT_EQ(SoundFiles(), std::vector<std::string>{"Start.wav"});
}

// Closing the window ends the running page after its step, never runs the
// page it may have queued, and still shuts down properly.
TEST_F(ProgramTest, CloseEndsProgramFromAnyPage) {
    struct Case {
        const char* closeOn;
        int startFrames, mainFrames;
    };
    for (const Case& c : {Case{"start", 1, 0}, Case{"main", 1, 1}}) {
        SCOPED_TRACE(c.closeOn);
        ScopedGameDir fresh;
        HeadlessPlatform run;
        int status = Run(run, [&c](HeadlessPlatform& p) {
            if (PageName() == c.closeOn) p.PostClose();
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(CountFrames("start"), c.startFrames);
        EXPECT_EQ(CountFrames("main"), c.mainFrames);
        EXPECT_FALSE(run.WindowExists());
        EXPECT_TRUE(fresh.Exists("Settings.xml"));
    }
}

// Several releases handled in one pump: the later page request wins and a
// quit among them ends the program. Replaced requests are freed (the leak
// checker watches the game page that is queued and then replaced).
TEST_F(ProgramTest, LaterRequestInOnePumpWins) {
    struct Case {
        std::vector<PageRect> clicks;
        bool ends;
        int optionsFrames;
    };
    const Case cases[] = {
        {{MainPage::kPlayButton, MainPage::kOptionsButton}, false, 1},
        {{MainPage::kOptionsButton, MainPage::kQuitButton}, true, 0},
        {{MainPage::kPlayButton, MainPage::kQuitButton}, true, 0},
    };
    for (const Case& c : cases) {
        ScopedGameDir fresh;
        HeadlessPlatform run;
        bool clicked = false;
        int status = Run(run, [&](HeadlessPlatform& p) {
            if (Showing<MainPage>() && !clicked) {
                for (const PageRect& button : c.clicks) Click(p, button);
                clicked = true;
            } else if (Showing<OptionsPage>()) {
                p.PostClose();
            }
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(CountFrames("other"), 0);
        EXPECT_EQ(CountFrames("options"), c.optionsFrames);
        if (c.ends) {
            EXPECT_EQ(frames.back().page, "main");
        }
    }
}

TEST_F(ProgramTest, MenuIgnoresRightButtonAndKeys) {
    Run(os, [this](HeadlessPlatform& p) {
        int shown = CountFrames("main");
        if (shown == 1) {
            Click(p, MainPage::kQuitButton, 1);
            Click(p, MainPage::kPlayButton, 1);
            p.PostKeyDown(VK_ESCAPE);
            p.PostKeyUp(VK_ESCAPE);
        } else if (shown == 4) {
            p.PostClose();
        }
    });
    EXPECT_EQ(CountFrames("main"), 4);
    EXPECT_EQ(SoundFiles(), std::vector<std::string>{"Start.wav"});
}

}  // namespace
