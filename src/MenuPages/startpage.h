// The splash shown at start-up, for two seconds before the main menu.
#pragma once

#include "MenuPages/messagepage.h"

class startPage : public MessagePage {
public:
    startPage();
};
