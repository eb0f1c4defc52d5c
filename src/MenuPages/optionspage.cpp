#include "MenuPages/optionspage.h"

#include <GL/gl.h>

#include "Engine/texturelist.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/pagelayout.h"
#include "Sound/sound.h"
#include "Sound/soundfiles.h"
#include "globals.h"
#include "settings.h"

namespace {

// One-pixel blue lines along the rectangle's sides, in page coordinates.
void DrawOutline(const PageRect& r) {
    glColor3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex2i(r.x1, r.y1);
    glVertex2i(r.x1, r.y2);
    glVertex2i(r.x1, r.y2);
    glVertex2i(r.x2, r.y2);
    glVertex2i(r.x2, r.y2);
    glVertex2i(r.x2, r.y1);
    glVertex2i(r.x2, r.y1);
    glVertex2i(r.x1, r.y1);
    glEnd();
}

}  // namespace

OptionsPage::OptionsPage() : PicturePage(kOptionsPagePicture) {}

void OptionsPage::Draw() {
    // The previous frame's outlines left the colour blue, and the picture is
    // modulated by the current colour.
    glColor3f(1.0f, 1.0f, 1.0f);
    PicturePage::Draw();

    glPushMatrix();
    // Page coordinates onto the picture's square: (0, 0) at the top-left
    // corner of the screen, (kPageWidth, kPageHeight) at the bottom-right.
    glScalef(2.0f / kPageWidth, -2.0f / kPageHeight, 1.0f);
    glTranslatef(-kPageWidth / 2.0f, -kPageHeight / 2.0f, 0.0f);
    for (const ScreenSizeChoice& size : kScreenSizeChoices) {
        if (GameSettings->screenWidth == size.width && GameSettings->screenHeight == size.height) {
            DrawOutline(size.rect);
        }
    }
    for (const ColourDepthChoice& depth : kColourDepthChoices) {
        if (GameSettings->screenColor == depth.bits) DrawOutline(depth.rect);
    }
    glPopMatrix();
    glFlush();
}

void OptionsPage::MouseUp(int x, int y, int but) {
    if (but != 0) return;
    if (kBackButton.Contains(x, y)) {
        nextPage = new MainPage;
        finishRun = 1;
        Sound::Play(sounds::kClick, 0);
        return;
    }
    // The rectangles do not overlap: at most one choice acts.
    for (const ScreenSizeChoice& size : kScreenSizeChoices) {
        if (size.rect.Contains(x, y)) {
            GameSettings->screenWidth = size.width;
            GameSettings->screenHeight = size.height;
            Sound::Play(sounds::kClick, 0);
        }
    }
    for (const ColourDepthChoice& depth : kColourDepthChoices) {
        if (depth.rect.Contains(x, y)) {
            GameSettings->screenColor = depth.bits;
            Sound::Play(sounds::kClick, 0);
        }
    }
}
