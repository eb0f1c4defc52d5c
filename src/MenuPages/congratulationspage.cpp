#include "MenuPages/congratulationspage.h"

#include "Engine/texturelist.h"
#include "Sound/soundfiles.h"

congratulationsPage::congratulationsPage() : MessagePage(kCongratulationsPagePicture, sounds::kWin) {}
