// Start-up when the display refuses the configured mode or the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MenuPages/mainpage.h"
#include "gamedir.h"
#include "shell_support.h"

using platform::HeadlessPlatform;
using shelltest::RunScripted;
using shelltest::Showing;

namespace {

const char kFirstFailure[] = "Failed to init graphics. Trying default settings.";
const char kSecondFailure[] = "Failed to init graphics with default settings. Exiting program.";

std::string SettingsFile(int width, int height, int color) {
    return "<Settings><ScreenWidth>" + std::to_string(width) + "</ScreenWidth><ScreenHeight>" +
           std::to_string(height) + "</ScreenHeight><ScreenColor>" + std::to_string(color) +
           "</ScreenColor><EngineDistance>2048</EngineDistance><EngineXAngle>45</EngineXAngle>"
           "<EngineZAngle>0</EngineZAngle></Settings>";
}

// A display whose window or pixel format fails a given number of times, and
// that notes whether a window was left over when the next one was asked for.
class FailingPlatform : public HeadlessPlatform {
public:
    int windowFailures = 0;
    int pixelFormatFailures = 0;
    std::vector<bool> windowLeftOver;

    bool CreateGameWindow(const char* title, int width, int height) override {
        windowLeftOver.push_back(WindowExists());
        if (windowFailures > 0) {
            --windowFailures;
            return false;
        }
        return HeadlessPlatform::CreateGameWindow(title, width, height);
    }
    bool SetPixelFormat(int colorBits, int depthBits) override {
        if (pixelFormatFailures > 0) {
            --pixelFormatFailures;
            return false;
        }
        return HeadlessPlatform::SetPixelFormat(colorBits, depthBits);
    }
};

struct FallbackCase {
    const char* name;
    int width, height;  // the mode the settings file names
    int windowFailures, pixelFormatFailures;
};

// One failed attempt: the first message, then the program runs in the
// desktop mode (640 by 480 here) and keeps that mode in its settings.
TEST(StartupTest, FirstFailureFallsBackToDesktopMode) {
    const FallbackCase cases[] = {
        {"mode refused", 1280, 960, 0, 0},
        {"window refused", 320, 240, 1, 0},
        {"pixel format refused", 320, 240, 0, 1},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedGameDir dir;
        dir.Write("Settings.xml", SettingsFile(c.width, c.height, 32));
        FailingPlatform os;
        os.SetOfferedModes({{320, 240, 32}});
        os.windowFailures = c.windowFailures;
        os.pixelFormatFailures = c.pixelFormatFailures;

        int menuWidth = 0;
        platform::DisplayMode menuMode;
        int status = RunScripted(os, [&](HeadlessPlatform& p) {
            if (Showing<MainPage>()) {
                menuWidth = ScreenWidth;
                menuMode = p.ModeInForce();
                p.PostClose();
            }
        });
        EXPECT_EQ(status, 0);
        ASSERT_EQ(os.MessageBoxes().size(), 1u);
        EXPECT_EQ(os.MessageBoxes()[0].text, kFirstFailure);
        EXPECT_EQ(os.MessageBoxes()[0].caption, "Tramox Error");
        EXPECT_EQ(menuWidth, 640);
        EXPECT_EQ(menuMode.width, 640);
        EXPECT_EQ(menuMode.height, 480);
        // The second attempt starts from scratch, with no window left over.
        for (bool leftOver : os.windowLeftOver) EXPECT_FALSE(leftOver);
        EXPECT_NE(dir.Read("Settings.xml").find("<ScreenWidth>640</ScreenWidth>"), std::string::npos);
    }
}

TEST(StartupTest, SecondFailureExitsWithoutSaving) {
    ScopedGameDir dir;
    const std::string settings = SettingsFile(1280, 960, 32);
    dir.Write("Settings.xml", settings);
    FailingPlatform os;
    os.windowFailures = 2;

    int status = RunScripted(os, nullptr);

    EXPECT_EQ(status, 0);
    ASSERT_EQ(os.MessageBoxes().size(), 2u);
    EXPECT_EQ(os.MessageBoxes()[0].text, kFirstFailure);
    EXPECT_EQ(os.MessageBoxes()[1].text, kSecondFailure);
    EXPECT_EQ(os.MessageBoxes()[1].caption, "Tramox Error");
    EXPECT_EQ(os.FramesPresented(), 0);
    EXPECT_EQ(dir.Read("Settings.xml"), settings);
    EXPECT_EQ(os.ModeInForce().width, 640);
}

}  // namespace
