#include "MenuPages/congratulationspage.h"

congratulationsPage::congratulationsPage() : MessagePage("Textures\\congratulationsPage.txu", "Win.wav") {}
