#include "Engine/engine.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "Engine/food.h"
#include "Engine/gamefiles.h"
#include "Engine/map.h"
#include "Engine/snake.h"
#include "MenuPages/congratulationspage.h"
#include "MenuPages/gameoverpage.h"
#include "MenuPages/mainpage.h"
#include "Sound/sound.h"
#include "Sound/soundfiles.h"
#include "clock.h"
#include "globals.h"
#include "messagebox.h"
#include "proc.h"
#include "rand15.h"
#include "settings.h"
#include "texter.h"

GLUquadric* Engine::quadric = nullptr;

namespace {

// Milliseconds each frame of a step aims at.
const clock_t kFrameMs = 30;
// Milliseconds a blocked snake waits between looks at the input.
const unsigned long kBlockedWaitMs = 10;
// Missed draws for the food before the grid is looked over for a free cell.
const int kMissesBetweenLooks = 1000;
// Degrees to radians, with the constant the camera has always used.
const double kDegreesPerRadian = 57.325;

void PlaceLight(double x, double y) {
    const GLfloat position[4] = {static_cast<GLfloat>(x + 32), static_cast<GLfloat>(y + 32), 256, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
}

}  // namespace

Engine::Engine(int Level)
    : level(Level),
      distance(GameSettings->engineDistance),
      xAngle(GameSettings->engineXAngle),
      zAngle(GameSettings->engineZAngle) {}

Engine::~Engine() {
    delete snake;
    delete map;
    delete food;
}

void Engine::Initialize() {
    // The next level's page is built before this level's Finish writes the
    // camera back, so the camera is read again when the level starts.
    distance = GameSettings->engineDistance;
    xAngle = GameSettings->engineXAngle;
    zAngle = GameSettings->engineZAngle;
    SetUpView(45.0, 100.0, 8192.0);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);

    snake = new Snake;
    map = new Map(LevelMapName(level).c_str());
    if (!map->LoadMap()) {
        // Without a complete map there is no level to play.
        ShowMessageBox(map->Error().c_str(), "Tramox Error");
        FinishWith(new MainPage);
        return;
    }
    collided = 0;
    SRand15(static_cast<unsigned int>(CalendarTime()));
    quadric = gluNewQuadric();
    prevtime = ClockMs();
    currtime = prevtime;
    InitFood();
}

void Engine::Run() {
    Initialize();
    while (!finishRun) {
        Work();
        UpdateGLWindow();
    }
    Finish();
}

void Engine::Finish() {
    PageBase::Finish();
    map->FreeTextures();
    glDisable(GL_LIGHTING);
    GameSettings->engineDistance = distance;
    GameSettings->engineXAngle = xAngle;
    GameSettings->engineZAngle = zAngle;
    if (quadric) gluDeleteQuadric(quadric);
    quadric = nullptr;
}

void Engine::FinishWith(PageBase* next) {
    nextPage = next;
    finishRun = 1;
}

void Engine::InitFood() {
    delete food;
    food = nullptr;
    auto isFree = [this](int x, int y) { return snake->IsClear(x, y) && !map->IsOnWall(x, y); };
    auto anyFree = [&] {
        for (int y = 0; y < map->height; y++)
            for (int x = 0; x < map->width; x++)
                if (isFree(x, y)) return true;
        return false;
    };
    // Both coordinates are drawn again until they name a free cell, so every
    // free cell is as likely, however few are left. The generator's pairs
    // reach every cell of any grid up to the largest map (see
    // docs/RELIABILITY.md), so the draws end when a free cell exists. With
    // the snake on every floor cell they would not: the grid is looked over
    // after each run of misses, and without a free cell the level goes on
    // without food (none can appear, as only a meal grows the snake; Escape
    // leaves).
    for (int misses = 1;; misses++) {
        const int fx = Rand15() / (32768 / map->width);
        const int fy = Rand15() / (32768 / map->height);
        if (isFree(fx, fy)) {
            food = new Food(fx, fy);
            return;
        }
        if (misses == kMissesBetweenLooks) {
            if (!anyFree()) return;
            misses = 0;
        }
    }
}

void Engine::Work() {
    steps++;
    Present(Step());
}

Engine::StepOutcome Engine::Step() {
    StepOutcome outcome;
    outcome.blocked = map->IsOnWall(snake->NextX(), snake->NextY());
    if (outcome.blocked) {
        collided += 1;
        if (collided > 16) collided = 2;
    } else {
        snake->MoveForward(map);
        collided = 0;
    }

    if (snake->Collision() == 1) {
        outcome.bitten = true;
        FinishWith(new gameoverPage);
        collided = 1;
    }

    if (food && snake->CurrX() == food->x && snake->CurrY() == food->y) {
        outcome.ate = true;
        snake->Grow();
        InitFood();
        if (snake->nElements == TargetLength()) {
            if (level >= kLevelCount) {
                FinishWith(new congratulationsPage);
            } else {
                outcome.nextLevel = true;
                FinishWith(new Engine(level + 1));
            }
        }
    }
    return outcome;
}

void Engine::Present(const StepOutcome& outcome) {
    if (outcome.bitten) Sound::Play(sounds::kOuch, 0);
    prevtime = currtime;
    if (collided <= 0) {
        DrawPacedFrames();
    } else if (outcome.blocked) {
        // Nothing changes on screen, but waiting for a turn must not spin a
        // core; the next moving step is timed from the end of the wait.
        Sleep(kBlockedWaitMs);
        currtime = ClockMs();
    }
    if (outcome.ate) Sound::Play(sounds::kGulp, 1);
    if (outcome.nextLevel) Sound::Play(sounds::kPlay, 0);
}

void Engine::DrawPacedFrames() {
    // Single precision on purpose: five frames, the last at -0.20000003.
    for (float k = -1.0f; static_cast<double>(k) < -0.2; k = static_cast<float>(k + 0.2)) {
        Draw(k);
        currtime = ClockMs();
        clock_t d = prevtime - currtime + kFrameMs;
        // A frame drawn within the same millisecond (d = 30) sleeps too;
        // otherwise a fast machine would run the game unpaced.
        if (d >= 1 && d <= kFrameMs) Sleep(static_cast<unsigned long>(d));
        prevtime = currtime;
    }
}

void Engine::Draw(float k) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glPushMatrix();
    const double a = xAngle / kDegreesPerRadian;
    const float hx = snake->CurrX() + k * snake->nextXDir;
    const float hy = snake->CurrY() + k * snake->nextYDir;
    glTranslated(0, 0, -distance);
    glRotated(-xAngle, 1, 0, 0);
    glRotated(-zAngle, 0, 0, 1);
    glTranslated(-64 * hx, -64 * hy * cos(a), 0);
    PlaceLight(64 * hx, 64 * hy);
    map->Draw();
    snake->Draw(k);
    if (food) food->Draw();
    glPopMatrix();
    DrawExtras();
    glFlush();
    SwapGLBuffers();
}

void Engine::DrawExtras() {
    glTranslatef(0, 0, -384);
    glColor3d(1, 1, 1);
    char text[32];
    snprintf(text, sizeof text, "Level %d", level);
    texter->Write(-200, 130, text);
    snprintf(text, sizeof text, "Length %d, Left %d", snake->nElements, TargetLength() - snake->nElements);
    texter->Write(-200, 110, text);
}

void Engine::MouseMove(int, int) {}
void Engine::MouseDown(int, int, int) {}
void Engine::MouseUp(int, int, int) {}
void Engine::KeyUp(long) {}

void Engine::KeyDown(long key) {
    switch (key) {
        case VK_ESCAPE: FinishWith(new MainPage); break;
        case VK_LEFT: snake->SetNextDir(-1, 0, map); break;
        case VK_UP: snake->SetNextDir(0, 1, map); break;
        case VK_RIGHT: snake->SetNextDir(1, 0, map); break;
        case VK_DOWN: snake->SetNextDir(0, -1, map); break;
        case 'A': zAngle += 5; break;
        case 'D': zAngle -= 5; break;
        case 'E':
            if (distance > 1024) distance -= 32;
            break;
        case 'Q':
            if (distance <= 4095) distance += 32;
            break;
        case 'S':
            if (xAngle > 0) xAngle -= 5;
            break;
        case 'W':
            if (xAngle <= 89) xAngle += 5;
            break;
        default: break;
    }
}
