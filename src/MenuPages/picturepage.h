// A menu page that shows one picture stretched over the whole screen:
// loaded in Initialize, drawn every frame, deleted in Finish.
#pragma once

#include "MenuPages/pagebase.h"

class PicturePage : public PageBase {
public:
    void Initialize() override;
    void Draw() override;
    void Finish() override;

protected:
    // `pictureFile` is a game file name such as "Textures\\MainPage.txu"; it
    // must outlive the page (a string literal).
    explicit PicturePage(const char* pictureFile);

    // Draws the picture as a textured quad over the unit square at the
    // current modelview matrix (texturing is switched on and off again).
    void DrawPicture() const;

private:
    const char* pictureFile;
    unsigned int texture;
};
