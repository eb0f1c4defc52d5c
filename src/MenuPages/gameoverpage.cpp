#include "MenuPages/gameoverpage.h"

gameoverPage::gameoverPage() : MessagePage("Textures\\gameoverPage.txu", "GameOver.wav") {}
