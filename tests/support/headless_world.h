// The program after start-up with no page running, for tests, fuzz targets and benchmarks that drive the
// game's parts directly: a private game folder, the off-screen backend (or a variant) installed, and for a
// positive size the window with its GL context, default settings and the text writer.
#pragma once

#include <array>
#include <cstdlib>

#include "gamedir.h"
#include "globals.h"
#include "headless.h"
#include "proc.h"
#include "program.h"
#include "settings.h"
#include "texter.h"

// The six values a Settings stores, to compare.
using SixValues = std::array<int, 6>;
inline SixValues Values(const Settings& s) {
    return {s.screenWidth, s.screenHeight, s.screenColor, s.engineDistance, s.engineXAngle, s.engineZAngle};
}

// What start-up makes before the first page, on a desktop of this size; false without a window.
inline bool StartHeadlessGraphics(platform::HeadlessPlatform& backend, int width, int height) {
    backend.SetDesktopMode({width, height, 24});
    GameSettings = new Settings;
    GameSettings->GenerateDefaultSettings();
    ScreenWidth = width;
    ScreenHeight = height;
    ScreenColor = 24;
    if (!InitOpenGL()) return false;
    texter = new Texter;
    texter->Load();
    return true;
}

template <typename Backend>
class BasicHeadlessWorld {
public:
    explicit BasicHeadlessWorld(int width = 0, int height = 0) {
        platform::Install(&backend);
        if (width <= 0 || height <= 0) return;
        if (!StartHeadlessGraphics(backend, width, height)) std::abort();
    }
    ~BasicHeadlessWorld() {
        // A whole-program run uninstalls the backend as it ends.
        platform::Install(&backend);
        ReleaseProgram();
        platform::Install(nullptr);
    }
    BasicHeadlessWorld(const BasicHeadlessWorld&) = delete;
    BasicHeadlessWorld& operator=(const BasicHeadlessWorld&) = delete;

    ScopedGameDir dir;
    Backend backend;
};

using HeadlessWorld = BasicHeadlessWorld<platform::HeadlessPlatform>;
