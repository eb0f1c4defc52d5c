#include "MenuPages/gameoverpage.h"

#include "Engine/texturelist.h"

gameoverPage::gameoverPage() : MessagePage(kGameOverPagePicture, "GameOver.wav") {}
