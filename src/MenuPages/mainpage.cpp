#include "MenuPages/mainpage.h"

#include "Engine/engine.h"
#include "Engine/texturelist.h"
#include "MenuPages/optionspage.h"
#include "MenuPages/pagelayout.h"
#include "Sound/sound.h"
#include "Sound/soundfiles.h"
#include "globals.h"

MainPage::MainPage() : PicturePage(kMainPagePicture) {}

void MainPage::MouseUp(int x, int y, int but) {
    if (but != 0) return;
    // Each button acts first and requests its sound after.
    if (kQuitButton.Contains(x, y)) {
        GameRunning = 0;
        finishRun = 1;
        Sound::Play(sounds::kGameOver, 0);
    } else if (kOptionsButton.Contains(x, y)) {
        nextPage = new OptionsPage;
        finishRun = 1;
        Sound::Play(sounds::kClick, 0);
    } else if (kPlayButton.Contains(x, y)) {
        nextPage = new Engine(1);
        finishRun = 1;
        Sound::Play(sounds::kPlay, 0);
    }
}
