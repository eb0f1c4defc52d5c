// Shown when the snake bites itself, for two seconds before the main menu.
#pragma once

#include "MenuPages/messagepage.h"

class gameoverPage : public MessagePage {
public:
    gameoverPage();
};
