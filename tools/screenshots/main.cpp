// screenshots: the README's pictures, rendered by the off-screen backend at
// 1024 by 768 from the real program: the main menu, and level 1 once the
// test-side player has grown the snake to a length that shows its turns.
//
//   screenshots OUT_DIR
//
// writes OUT_DIR/main-menu.png and OUT_DIR/in-play.png. The clock and the
// food's seed are virtual, so every run draws the same game.
#include <cstdio>
#include <string>

#include "autoplayer.h"
#include "gamedir.h"
#include "png_file.h"
#include "program_driver.h"
#include "Engine/snake.h"

namespace {

// Level 1 ends at 10; the picture is taken when the snake is this long.
const int kShownLength = 8;

bool Save(const platform::Frame& frame, const std::string& path) {
    PngPicture picture;
    picture.width = frame.width;
    picture.height = frame.height;
    picture.channels = 3;
    for (size_t i = 0; i < frame.rgba.size(); i += 4)
        picture.pixels.insert(picture.pixels.end(), frame.rgba.begin() + i, frame.rgba.begin() + i + 3);
    if (!frame.rgba.empty() && WritePng(path, picture)) return true;
    std::fprintf(stderr, "screenshots: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUT_DIR\n");
        return 2;
    }
    const std::string out = argv[1];
    platform::Frame menu, level;
    {
        ScopedGameDir dir;  // the settings the run writes stay out of the build
        platform::HeadlessPlatform backend;
        backend.SetDesktopMode({1024, 768, 24});
        ProgramDriver driver;
        Autoplayer player;
        driver.onPage = [&](const std::string& page) {
            if (page == "menu" && menu.rgba.empty()) menu = backend.LastFrame();
        };
        bool grown = false;
        driver.watch = [&](const Engine& engine) { grown = engine.GetSnake()->nElements >= kShownLength; };
        driver.frame = [&](const platform::Frame& frame) {
            if (grown && level.rgba.empty()) level = frame;
        };
        driver.steer = [&](const Engine& engine) {
            return level.rgba.empty() ? player.Choose(engine) : VK_ESCAPE;  // back to the menu, which ends the run
        };
        driver.Run(backend);
    }
    return Save(menu, out + "/main-menu.png") && Save(level, out + "/in-play.png") ? 0 : 1;
}
