// Whole games through the real program: from the main menu's play button to
// the congratulations picture, and into the snake's own body.
#include <gtest/gtest.h>

#include "Engine/food.h"
#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "game_fixture.h"

namespace {

TEST(FullGame, TheAutoplayerWinsAllTenLevels) {
    SmallProgram p;
    p.driver.steer = [&](const Engine& e) { return p.player.Choose(e); };
    p.driver.maxSteps = 8000;
    int badFood = 0, blankFrames = 0;
    std::vector<int> finalLength(11, 0);
    p.driver.watch = [&](const Engine& e) {
        const Snake& s = *e.GetSnake();
        finalLength[e.level] = s.nElements;
        const Food* f = e.GetFood();  // the shipped maps always leave room for food
        badFood += !f || e.GetMap()->IsOnWall(f->x, f->y) || !s.IsClear(f->x, f->y);
    };
    p.driver.frame = [&](const platform::Frame& f) { blankFrames += LitPixels(f) == 0; };
    EXPECT_EQ(p.driver.Run(p.backend), 0);

    std::vector<std::string> pages = {"start", "menu"}, sounds = {"Start.wav", "Play.wav"};
    for (int level = 1; level <= 10; level++) {
        pages.push_back("level " + std::to_string(level));
        EXPECT_EQ(finalLength[level], 5 * level + 5) << "level " << level;
        sounds.insert(sounds.end(), 5 * level + 2, "Gulp.wav");
        sounds.push_back(level < 10 ? "Play.wav" : "Win.wav");
    }
    pages.insert(pages.end(), {"congratulations", "menu"});
    EXPECT_EQ(p.driver.pages, pages);
    EXPECT_EQ(SoundNames(p.backend), sounds);
    EXPECT_EQ(badFood, 0);
    EXPECT_EQ(blankFrames, 0);
    EXPECT_TRUE(p.backend.MessageBoxes().empty());
}

TEST(FullGame, SteeringIntoTheBodyEndsTheGame) {
    SmallProgram p;
    // Once five long (a shorter snake cannot reach its body), turn the same
    // way three times: up, back, down onto the body.
    int turns = 0, firstDir = 0, framesAtLastStep = 0, framesOfBitingStep = -1;
    p.driver.steer = [&](const Engine& e) {
        const Snake& s = *e.GetSnake();
        const SnakeElement& head = *s.Elements[0];
        if (turns == 0) {
            const Map& m = *e.GetMap();
            bool roomAbove = !m.IsOnWall(head.XPos, head.YPos + 1) && !m.IsOnWall(head.XPos - head.XDir, head.YPos + 1);
            if (s.nElements < 5 || head.YDir != 0 || !roomAbove) return p.player.Choose(e);
            firstDir = head.XDir;
        }
        turns++;
        return turns == 1 ? KeyFor(0, 1) : turns == 2 ? KeyFor(-firstDir, 0) : KeyFor(0, -1);
    };
    p.driver.watch = [&](const Engine& e) {
        if (e.finishRun) framesOfBitingStep = p.backend.FramesPresented() - framesAtLastStep;
        framesAtLastStep = p.backend.FramesPresented();
    };
    p.driver.Run(p.backend);

    EXPECT_EQ(p.driver.pages, (std::vector<std::string>{"start", "menu", "level 1", "gameover", "menu"}));
    std::vector<std::string> sounds = SoundNames(p.backend);
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(sounds.end() - 2, sounds.end()),
              (std::vector<std::string>{"Ouch.wav", "GameOver.wav"}));
    EXPECT_EQ(framesOfBitingStep, 0) << "the biting step draws nothing";
}

}  // namespace
