// Shown after the last level, for two seconds before the main menu.
#pragma once

#include "MenuPages/messagepage.h"

class congratulationsPage : public MessagePage {
public:
    congratulationsPage();
};
