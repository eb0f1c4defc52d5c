#include "MenuPages/congratulationspage.h"

#include "Engine/texturelist.h"

congratulationsPage::congratulationsPage() : MessagePage(kCongratulationsPagePicture, "Win.wav") {}
