#include "program_driver.h"

#include "Engine/engine.h"
#include "MenuPages/congratulationspage.h"
#include "MenuPages/gameoverpage.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/startpage.h"
#include "proc.h"

namespace {

std::string PageName(PageBase* page) {
    if (auto* e = dynamic_cast<Engine*>(page)) return "level " + std::to_string(e->level);
    if (dynamic_cast<MainPage*>(page)) return "menu";
    if (dynamic_cast<startPage*>(page)) return "start";
    if (dynamic_cast<gameoverPage*>(page)) return "gameover";
    if (dynamic_cast<congratulationsPage*>(page)) return "congratulations";
    if (dynamic_cast<OptionsPage*>(page)) return "options";
    return "unknown";
}

}  // namespace

int ProgramDriver::Run(platform::HeadlessPlatform& backend) {
    PageBase* seen = nullptr;
    long engineSteps = -1;
    bool closing = false;
    auto close = [&] {
        closing = true;
        backend.PostClose();
    };
    backend.SetFrameCallback([this](const platform::Frame& f) {
        if (frame && dynamic_cast<Engine*>(currentPage)) frame(f);
    });
    backend.SetPumpCallback([&](platform::HeadlessPlatform& b) {
        if (closing) return;
        if (currentPage != seen) {
            seen = currentPage;
            engineSteps = -1;
            pages.push_back(PageName(currentPage));
            if (pages.back() == "menu" && pages.size() > 2) return close();
            if (pages.back() == "menu")  // the middle of the play button, in client pixels
                return b.PostClick((MainPage::kPlayButton.x1 + MainPage::kPlayButton.x2) / 2 * ScreenWidth / 1024,
                                   (MainPage::kPlayButton.y1 + MainPage::kPlayButton.y2) / 2 * ScreenHeight / 768);
        }
        auto* engine = dynamic_cast<Engine*>(currentPage);
        if (!engine || engine->Steps() == engineSteps) return;
        // Once per game step: the pump runs again after delivering a key.
        engineSteps = engine->Steps();
        if (engineSteps > 0) {
            steps++;
            if (watch) watch(*engine);
        }
        if (steps >= maxSteps) return close();
        if (int key = steer ? steer(*engine) : 0) b.PostKeyDown(key);
    });
    return platform::RunProgram(backend);
}
