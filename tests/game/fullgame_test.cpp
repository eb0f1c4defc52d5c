// Whole games through the real program, from the menu's play button to congratulations or a bite.
#include <gtest/gtest.h>

#include <cstdint>

#include "Engine/food.h"
#include "Engine/map.h"
#include "Engine/snake.h"
#include "Engine/snakeelement.h"
#include "Sound/soundfiles.h"
#include "game_fixture.h"

namespace {

TEST(FullGame, TheAutoplayerWinsAllTenLevels) {
    SmallProgram p;
    p.driver.steer = [&](const Engine& e) { return p.player.Choose(e); };
    p.driver.maxSteps = 8000;
    int badFood = 0, blankFrames = 0;
    p.driver.watch = [&](const Engine& e) {
        const Snake& s = *e.GetSnake();
        const Food* f = e.GetFood();  // the shipped maps always leave room for food
        badFood += !f || e.GetMap()->IsOnWall(f->x, f->y) || !s.IsClear(f->x, f->y);
    };
    p.driver.frame = [&](const platform::Frame& f) { blankFrames += LitPixels(f) == 0; };
    EXPECT_EQ(p.driver.Run(p.backend), 0);

    std::vector<std::string> pages = {"start", "menu"}, sounds = {"Start.wav", "Play.wav"};
    for (int level = 1; level <= kLevelCount; level++) {
        pages.push_back("level " + std::to_string(level));
        sounds.insert(sounds.end(), TargetLength(level) - kStartLength, "Gulp.wav");
        sounds.push_back(level < kLevelCount ? "Play.wav" : "Win.wav");
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
    // Once five long (shorter cannot reach its body), turn up, back, and down onto the body.
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

// Missing or soundless sound files change only the waits for the sounds, never a frame of the game.
TEST(FullGame, SoundFilesChangeOnlyTheWaits) {
    struct Run {
        std::vector<std::string> pages;
        std::string sounds;
        std::uint64_t frames = 1469598103934665603u;  // FNV-1a of every level frame
        long now = 0, waited = 0;
    };
    auto play = [](std::string (*damage)(const std::string& wav)) {
        SmallProgram p;
        p.driver.steer = [&](const Engine& e) { return p.player.Choose(e); };
        p.driver.maxSteps = 100;
        Run run;
        p.driver.frame = [&](const platform::Frame& f) {
            for (std::uint8_t byte : f.rgba) run.frames = (run.frames ^ byte) * 1099511628211u;
        };
        for (const char* name : sounds::kFiles) {
            const std::string file = std::string(sounds::kFolder) + "/" + name, wav = p.dir.Read(file);
            p.dir.Remove(file);
            if (damage) p.dir.Write(file, damage(wav));
        }
        EXPECT_EQ(p.driver.Run(p.backend), 0);
        EXPECT_TRUE(p.backend.MessageBoxes().empty());
        run.pages = p.driver.pages;
        run.sounds = SoundLog(p.backend);
        run.now = p.backend.Now();
        // What a player waits for: each awaited file's samples at its byte rate.
        for (const platform::SoundRecord& r : p.backend.Sounds()) {
            const std::string wav = p.dir.Read(r.path);
            if (r.async || wav.size() < 44) continue;
            const unsigned char* rate = reinterpret_cast<const unsigned char*>(wav.data()) + 28;
            run.waited += long((wav.size() - 44) * 1000 / (rate[0] | rate[1] << 8 | rate[2] << 16));
        }
        return run;
    };
    const Run heard = play([](const std::string& wav) { return wav; });
    // The play button's sound and the first level's end are waited for.
    ASSERT_EQ(heard.pages, (std::vector<std::string>{"start", "menu", "level 1", "level 2"}));
    ASSERT_GT(heard.waited, 0);

    const struct {
        const char* files;
        std::string (*damage)(const std::string& wav);
    } cases[] = {
        {"missing", nullptr},
        {"empty", [](const std::string&) { return std::string(); }},
        {"not WAV", [](const std::string&) { return std::string("RIFF, but not really"); }},
        {"cut after the header", [](const std::string& wav) { return wav.substr(0, 44); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files);
        const Run silent = play(c.damage);
        EXPECT_EQ(silent.pages, heard.pages);
        EXPECT_EQ(silent.sounds, heard.sounds);
        EXPECT_EQ(silent.frames, heard.frames);
        EXPECT_EQ(silent.now, heard.now - heard.waited);
    }
}

}  // namespace
