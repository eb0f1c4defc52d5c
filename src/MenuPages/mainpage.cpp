#include "MenuPages/mainpage.h"

#include "Engine/engine.h"
#include "MenuPages/optionspage.h"
#include "Sound/sound.h"
#include "globals.h"

const PageRect MainPage::kQuitButton = {700, 710, 1000, 750};
const PageRect MainPage::kOptionsButton = {700, 80, 1000, 120};
const PageRect MainPage::kPlayButton = {700, 20, 1000, 60};

MainPage::MainPage() : PicturePage("Textures\\MainPage.txu") {}

void MainPage::MouseUp(int x, int y, int but) {
    if (but != 0) return;
    // Each button acts first and requests its sound after.
    if (kQuitButton.Contains(x, y)) {
        GameRunning = 0;
        finishRun = 1;
        Sound::Play("GameOver.wav", 0);
    } else if (kOptionsButton.Contains(x, y)) {
        nextPage = new OptionsPage;
        finishRun = 1;
        Sound::Play("Click.wav", 0);
    } else if (kPlayButton.Contains(x, y)) {
        nextPage = new Engine(1);
        finishRun = 1;
        Sound::Play("Play.wav", 0);
    }
}
