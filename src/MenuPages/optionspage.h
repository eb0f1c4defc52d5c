// The options page: screen size and colour depth for the next start. A left
// click on a choice changes GameSettings at once (the display stays as it
// is); the current choices are outlined in blue over the page picture.
#pragma once

#include "MenuPages/picturepage.h"

class OptionsPage : public PicturePage {
public:
    OptionsPage();
    void Draw() override;
    void MouseUp(int x, int y, int but) override;
};
