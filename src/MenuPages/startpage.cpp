#include "MenuPages/startpage.h"

#include "Engine/texturelist.h"

startPage::startPage() : MessagePage(kStartPagePicture, "Start.wav") {}
