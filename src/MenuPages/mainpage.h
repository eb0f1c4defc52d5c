// The main menu: a picture with three buttons, play, options and quit,
// answering left-button releases only.
#pragma once

#include "MenuPages/picturepage.h"

class MainPage : public PicturePage {
public:
    MainPage();
    void MouseUp(int x, int y, int but) override;
};
