#include "MenuPages/pagebase.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "globals.h"
#include "proc.h"

PageBase::PageBase() : finishRun(0) {}

PageBase::~PageBase() {}

void PageBase::Initialize() {
    glViewport(0, 0, ScreenWidth, ScreenHeight);

    // Equal near and far planes make GLU refuse the perspective, so the
    // projection stays the identity: menu pages draw in device coordinates.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(90.0, static_cast<double>(ScreenWidth) / ScreenHeight, 1.0, 1.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    // LEQUAL: overlays drawn at the picture's depth stay visible.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glColor3f(1.0f, 1.0f, 1.0f);
}

void PageBase::Run() {
    Initialize();
    // The first frame is on screen before the first Work, and finishRun is
    // looked at only after the pump, so no frame follows a finish request.
    while (!finishRun) {
        Draw();
        SwapGLBuffers();
        Work();
        UpdateGLWindow();
    }
    Finish();
}

void PageBase::Finish() {}
void PageBase::Work() {}
void PageBase::Draw() {}
void PageBase::MouseMove(int, int) {}
void PageBase::MouseDown(int, int, int) {}
void PageBase::MouseUp(int, int, int) {}
void PageBase::KeyDown(long) {}
void PageBase::KeyUp(long) {}
