#include "MenuPages/picturepage.h"

#include <GL/gl.h>

#include "Engine/gamefiles.h"
#include "texturefile.h"

PicturePage::PicturePage(const char* picture) : pictureFile(TextureFile(picture)), texture(0) {}

void PicturePage::Initialize() {
    PageBase::Initialize();
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &texture);
    LoadTextureFile(pictureFile.c_str(), texture, GL_LINEAR);
    glDisable(GL_TEXTURE_2D);
}

void PicturePage::Draw() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.0f);
    DrawPicture();
    glFlush();
}

void PicturePage::DrawPicture() const {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    // The file's first row (t = 0) goes along the top edge of the screen.
    glBegin(GL_POLYGON);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, 1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, -1.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void PicturePage::Finish() {
    PageBase::Finish();
    glDeleteTextures(1, &texture);
    texture = 0;
}
