// A picture page that hands over by itself: its first work step requests a
// sound, keeps the picture on screen for two seconds and queues the main
// menu. The splash, game-over and congratulations pages are these.
#pragma once

#include "MenuPages/picturepage.h"

class MessagePage : public PicturePage {
public:
    void Work() override;

protected:
    MessagePage(const char* picture, const char* soundFile);

private:
    const char* soundFile;
};
