// The options page: screen size and colour depth for the next start, the
// current choices outlined in blue over the page picture.
#pragma once

#include "pagebase.h"

class OptionsPage : public PageBase {
public:
    OptionsPage();

    void Initialize() override;
    void Finish() override;
    void Work() override;
    void Draw() override;
    void MouseMove(int x, int y) override;
    void MouseDown(int x, int y, int but) override;
    void MouseUp(int x, int y, int but) override;
    void KeyDown(long key) override;
    void KeyUp(long key) override;

private:
    unsigned int texture;
};
