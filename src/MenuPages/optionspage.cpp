#include "MenuPages/optionspage.h"

#include <GL/gl.h>

#include "MenuPages/mainpage.h"
#include "Sound/sound.h"
#include "globals.h"
#include "settings.h"

namespace {

// Upper row of the picture: screen sizes. Lower row: colour depths.
struct SizeChoice {
    PageRect rect;
    int width;
    int height;
};
const SizeChoice kSizes[] = {
    {{150, 50, 300, 100}, 640, 480},
    {{350, 50, 500, 100}, 800, 600},
    {{550, 50, 700, 100}, 1024, 768},
    {{750, 50, 900, 100}, 1280, 960},
};

struct DepthChoice {
    PageRect rect;
    int bits;
};
const DepthChoice kDepths[] = {
    {{150, 150, 300, 200}, 16},
    {{350, 150, 500, 200}, 24},
    {{550, 150, 700, 200}, 32},
};

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

const PageRect OptionsPage::kBackButton = {700, 710, 1000, 750};

OptionsPage::OptionsPage() : PicturePage("Textures\\OptionsPage.txu") {}

void OptionsPage::Draw() {
    // The previous frame's outlines left the colour blue, and the picture is
    // modulated by the current colour.
    glColor3f(1.0f, 1.0f, 1.0f);
    PicturePage::Draw();

    glPushMatrix();
    // Page coordinates onto the picture's square: (0, 0) at the top-left
    // corner of the screen, (1024, 768) at the bottom-right.
    glScalef(1.0f / 512.0f, -1.0f / 384.0f, 1.0f);
    glTranslatef(-512.0f, -384.0f, 0.0f);
    for (const SizeChoice& size : kSizes) {
        if (GameSettings->screenWidth == size.width && GameSettings->screenHeight == size.height) {
            DrawOutline(size.rect);
        }
    }
    for (const DepthChoice& depth : kDepths) {
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
        Sound::Play("Click.wav", 0);
        return;
    }
    // The rectangles do not overlap: at most one choice acts.
    for (const SizeChoice& size : kSizes) {
        if (size.rect.Contains(x, y)) {
            GameSettings->screenWidth = size.width;
            GameSettings->screenHeight = size.height;
            Sound::Play("Click.wav", 0);
        }
    }
    for (const DepthChoice& depth : kDepths) {
        if (depth.rect.Contains(x, y)) {
            GameSettings->screenColor = depth.bits;
            Sound::Play("Click.wav", 0);
        }
    }
}
