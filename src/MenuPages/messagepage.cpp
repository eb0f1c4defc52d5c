#include "MenuPages/messagepage.h"

#include "MenuPages/mainpage.h"
#include "Sound/sound.h"
#include "clock.h"
#include "globals.h"

namespace {
// How long the picture stays up. The wait does not pump messages: input
// made meanwhile reaches this page's empty handlers afterwards.
const unsigned long kShowMs = 2000;
}  // namespace

MessagePage::MessagePage(const char* pictureFile, const char* soundFile)
    : PicturePage(pictureFile), soundFile(soundFile) {}

void MessagePage::Work() {
    Sound::Play(soundFile, 1);
    Sleep(kShowMs);
    nextPage = new MainPage;
    finishRun = 1;
}
