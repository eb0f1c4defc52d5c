#include "MenuPages/gameoverpage.h"

#include "Engine/texturelist.h"
#include "Sound/soundfiles.h"

gameoverPage::gameoverPage() : MessagePage(kGameOverPagePicture, sounds::kGameOver) {}
