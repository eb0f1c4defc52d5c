// Whole games through the real program: from the main menu's play button
// to the congratulations picture, and into the snake's own body.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Engine/engine.h"
#include "Engine/food.h"
#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "Sound/sound.h"
#include "autoplayer.h"
#include "gamedir.h"
#include "program_driver.h"
#include "proc.h"

namespace {

std::vector<std::string> SoundNames() {
    std::vector<std::string> names;
    for (const Sound::Request& r : Sound::Requests()) names.push_back(r.file);
    return names;
}

// Small screens keep ten levels of software rendering quick; without a
// settings file the game takes the desktop's size.
void SmallScreen(platform::HeadlessPlatform& backend) {
    backend.SetDesktopMode({160, 120, 24});
}

TEST(FullGame, TheAutoplayerWinsAllTenLevels) {
    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
    SmallScreen(backend);
    Sound::ClearRequests();

    ProgramDriver driver;
    Autoplayer player;
    driver.steer = [&](const Engine& e) { return player.Choose(e); };
    driver.maxSteps = 8000;
    int badFood = 0, blankFrames = 0;
    std::vector<int> finalLength(11, 0);
    driver.watch = [&](const Engine& e) {
        const Snake& s = *e.GetSnake();
        finalLength[e.level] = s.nElements;
        if (const Food* f = e.GetFood())
            badFood += e.GetMap()->IsOnWall(f->x, f->y) || !s.IsClear(f->x, f->y);
        else
            badFood++;  // the shipped maps always leave room for food
    };
    driver.frame = [&](const platform::Frame& f) {
        for (size_t i = 0; i < f.rgba.size(); i += 4)
            if (f.rgba[i] | f.rgba[i + 1] | f.rgba[i + 2]) return;
        blankFrames++;
    };
    EXPECT_EQ(driver.Run(backend), 0);

    std::vector<std::string> pages = {"start", "menu"};
    for (int level = 1; level <= 10; level++) pages.push_back("level " + std::to_string(level));
    pages.insert(pages.end(), {"congratulations", "menu"});
    EXPECT_EQ(driver.pages, pages);
    for (int level = 1; level <= 10; level++) EXPECT_EQ(finalLength[level], 5 * level + 5) << "level " << level;

    std::vector<std::string> sounds = {"Start.wav", "Play.wav"};
    for (int level = 1; level <= 10; level++) {
        sounds.insert(sounds.end(), 5 * level + 2, "Gulp.wav");
        if (level < 10) sounds.push_back("Play.wav");
    }
    sounds.push_back("Win.wav");
    EXPECT_EQ(SoundNames(), sounds);
    EXPECT_EQ(badFood, 0);
    EXPECT_EQ(blankFrames, 0);
    EXPECT_TRUE(backend.MessageBoxes().empty());
}

TEST(FullGame, SteeringIntoTheBodyEndsTheGame) {
    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
    SmallScreen(backend);
    Sound::ClearRequests();

    // Eat until five long (a shorter snake cannot reach its own body), then
    // turn the same way three times in a row: up, back, down onto the body.
    ProgramDriver driver;
    Autoplayer player;
    int turns = 0, firstDir = 0;
    int framesAtLastStep = 0, framesOfBitingStep = -1;
    driver.steer = [&](const Engine& e) {
        const Snake& s = *e.GetSnake();
        const SnakeElement& head = *s.Elements[0];
        if (turns == 0) {
            const Map& m = *e.GetMap();
            bool roomAbove = !m.IsOnWall(head.XPos, head.YPos + 1) && !m.IsOnWall(head.XPos - head.XDir, head.YPos + 1);
            if (s.nElements < 5 || head.YDir != 0 || !roomAbove) return player.Choose(e);
            firstDir = head.XDir;
        }
        switch (turns++) {
            case 0: return KeyFor(0, 1);
            case 1: return KeyFor(-firstDir, 0);
            default: return KeyFor(0, -1);
        }
    };
    driver.watch = [&](const Engine& e) {
        if (e.finishRun) framesOfBitingStep = backend.FramesPresented() - framesAtLastStep;
        framesAtLastStep = backend.FramesPresented();
    };
    driver.Run(backend);

    EXPECT_EQ(driver.pages, (std::vector<std::string>{"start", "menu", "level 1", "gameover", "menu"}));
    std::vector<std::string> sounds = SoundNames();
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds[sounds.size() - 2], "Ouch.wav");
    EXPECT_EQ(sounds.back(), "GameOver.wav");
    EXPECT_EQ(framesOfBitingStep, 0) << "the biting step draws nothing";
}

}  // namespace
