#include "MenuPages/startpage.h"

#include "Engine/texturelist.h"
#include "Sound/soundfiles.h"

startPage::startPage() : MessagePage(kStartPagePicture, sounds::kStart) {}
