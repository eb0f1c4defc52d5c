#include "MenuPages/startpage.h"

startPage::startPage() : MessagePage("Textures\\StartPage.txu", "Start.wav") {}
