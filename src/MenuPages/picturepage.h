// A menu page that shows one picture stretched over the whole screen:
// loaded in Initialize, drawn every frame, deleted in Finish.
#pragma once

#include <string>

#include "MenuPages/pagebase.h"

class PicturePage : public PageBase {
public:
    void Initialize() override;
    void Draw() override;
    void Finish() override;

protected:
    // `picture` names one of the page pictures (Engine/texturelist.h).
    explicit PicturePage(const char* picture);

    // Draws the picture as a textured quad over the unit square at the
    // current modelview matrix (texturing is switched on and off again).
    void DrawPicture() const;

private:
    std::string pictureFile;
    unsigned int texture;
};
