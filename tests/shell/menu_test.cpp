// The menu pages on their own: the main menu's buttons and the pages that
// show a picture for two seconds.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <functional>
#include <memory>
#include <string>

#include "Engine/engine.h"
#include "MenuPages/congratulationspage.h"
#include "MenuPages/gameoverpage.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "Sound/sound.h"
#include "gamedir.h"
#include "settings.h"
#include "shell_support.h"

using shelltest::GLContextTest;

namespace {

enum class Effect { None, Quit, Options, Play };

class MainMenuButtons : public ::testing::Test {
protected:
    void SetUp() override {
        GameSettings = new Settings;  // the game page copies its camera from it
        Sound::ClearRequests();
    }
    void TearDown() override {
        nextPage = nullptr;
        delete GameSettings;
        GameSettings = nullptr;
        GameRunning = 0;
    }
};

// Buttons count strictly inside their rectangles, and left releases only.
TEST_F(MainMenuButtons, ReleaseActsOnlyStrictlyInsideAButton) {
    struct Case {
        int x, y, but;
        Effect effect;
    };
    const Case cases[] = {
        {850, 40, 0, Effect::Play},     {701, 21, 0, Effect::Play},    {999, 59, 0, Effect::Play},
        {850, 100, 0, Effect::Options}, {701, 81, 0, Effect::Options}, {999, 119, 0, Effect::Options},
        {850, 730, 0, Effect::Quit},    {701, 711, 0, Effect::Quit},   {999, 749, 0, Effect::Quit},
        // On a bound, between the buttons, elsewhere, or the right button.
        {700, 40, 0, Effect::None},     {1000, 40, 0, Effect::None},   {850, 20, 0, Effect::None},
        {850, 60, 0, Effect::None},     {850, 80, 0, Effect::None},    {850, 120, 0, Effect::None},
        {850, 710, 0, Effect::None},    {850, 750, 0, Effect::None},   {700, 730, 0, Effect::None},
        {850, 70, 0, Effect::None},     {300, 40, 0, Effect::None},    {850, 40, 1, Effect::None},
        {850, 730, 1, Effect::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") button " << c.but);
        Sound::ClearRequests();
        GameRunning = 1;
        MainPage page;
        page.MouseUp(c.x, c.y, c.but);

        EXPECT_EQ(page.finishRun, c.effect == Effect::None ? 0 : 1);
        EXPECT_EQ(GameRunning, c.effect == Effect::Quit ? 0 : 1);
        Engine* game = dynamic_cast<Engine*>(static_cast<PageBase*>(nextPage));
        EXPECT_EQ(game != nullptr, c.effect == Effect::Play);
        if (game) {
            EXPECT_EQ(game->level, 1);
        }
        EXPECT_EQ(dynamic_cast<OptionsPage*>(static_cast<PageBase*>(nextPage)) != nullptr,
                  c.effect == Effect::Options);

        const char* sound = c.effect == Effect::Quit      ? "GameOver.wav"
                            : c.effect == Effect::Options ? "Click.wav"
                            : c.effect == Effect::Play    ? "Play.wav"
                                                          : nullptr;
        if (sound) {
            ASSERT_EQ(Sound::Requests().size(), 1u);
            EXPECT_EQ(Sound::Requests()[0].file, sound);
            EXPECT_EQ(Sound::Requests()[0].async, 0);
        } else {
            EXPECT_TRUE(Sound::Requests().empty());
        }
        nextPage = nullptr;
    }
}

TEST_F(MainMenuButtons, OnlyTheReleasePositionCounts) {
    GameRunning = 1;
    MainPage inside;
    inside.MouseDown(850, 40, 0);
    inside.MouseUp(850, 400, 0);
    EXPECT_EQ(inside.finishRun, 0);

    MainPage outside;
    outside.MouseDown(850, 400, 0);
    outside.MouseUp(850, 730, 0);
    EXPECT_EQ(outside.finishRun, 1);
    EXPECT_EQ(GameRunning, 0);
}

// Each message page shows its own picture over the whole screen for one
// frame, requests its sound, waits two seconds and queues the main menu.
class MessagePageTest : public GLContextTest {
protected:
    void TearDown() override {
        nextPage = nullptr;
        currentPage = nullptr;
        GLContextTest::TearDown();
    }
    ScopedGameDir dir;
};

TEST_F(MessagePageTest, ShowsItsPictureThenHandsOverToTheMenu) {
    struct Case {
        std::function<PageBase*()> make;
        const char* picture;
        const char* sound;
        unsigned char rgb[3];
    };
    const Case cases[] = {
        {[] { return new startPage; }, "Textures/StartPage.txu", "Start.wav", {255, 0, 0}},
        {[] { return new gameoverPage; }, "Textures/gameoverPage.txu", "GameOver.wav", {0, 255, 0}},
        {[] { return new congratulationsPage; }, "Textures/congratulationsPage.txu", "Win.wav", {0, 0, 255}},
    };
    // Every picture file exists, each with its own colour, so a page that
    // loads another's file shows the wrong colour.
    for (const Case& c : cases) {
        std::string bytes;
        for (int i = 0; i < 256 * 256; ++i) bytes.append(reinterpret_cast<const char*>(c.rgb), 3);
        dir.Write(c.picture, bytes);
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        Sound::ClearRequests();
        GameRunning = 1;
        std::unique_ptr<PageBase> page(c.make());
        currentPage = page.get();
        long start = os.Now();
        int framesBefore = os.FramesPresented();
        size_t sleepsBefore = os.Sleeps().size();
        // Input during the wait reaches the page afterwards and is lost.
        os.PostKeyDown(VK_ESCAPE);
        os.PostClick(10, 10);

        page->Run();

        EXPECT_EQ(os.FramesPresented() - framesBefore, 1);
        const platform::Frame& frame = os.LastFrame();
        for (auto xy : {std::make_pair(0, 0), std::make_pair(319, 239), std::make_pair(160, 120)}) {
            const std::uint8_t* p = frame.Pixel(xy.first, xy.second);
            for (int i = 0; i < 3; ++i) EXPECT_NEAR(p[i], c.rgb[i], 8) << xy.first << "," << xy.second;
        }
        ASSERT_EQ(os.Sleeps().size(), sleepsBefore + 1);
        EXPECT_EQ(os.Sleeps().back(), 2000u);
        EXPECT_GE(os.Now() - start, 2000);
        ASSERT_EQ(Sound::Requests().size(), 1u);
        EXPECT_EQ(Sound::Requests()[0].file, c.sound);
        EXPECT_EQ(Sound::Requests()[0].async, 1);
        EXPECT_NE(dynamic_cast<MainPage*>(static_cast<PageBase*>(nextPage)), nullptr);
        EXPECT_EQ(GameRunning, 1);
        nextPage = nullptr;
        currentPage = nullptr;
    }
}

}  // namespace
