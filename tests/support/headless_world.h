// The program's state after start-up, without any page running: a private
// copy of the game folder as the working directory, the off-screen backend
// installed, and (for a positive size) the window with its GL context, the
// settings with their defaults and the text writer. For tests, fuzz targets
// and benchmarks that drive the game's parts directly. Backend is the
// off-screen backend or a variant of it (one on the real clock, say).
#pragma once

#include <cstdlib>

#include "gamedir.h"
#include "headless.h"
#include "proc.h"
#include "settings.h"
#include "texter.h"

template <typename Backend>
class BasicHeadlessWorld {
public:
    explicit BasicHeadlessWorld(int width = 0, int height = 0) {
        platform::Install(&backend);
        if (width <= 0 || height <= 0) return;
        backend.SetDesktopMode({width, height, 24});
        GameSettings = new Settings;
        GameSettings->GenerateDefaultSettings();
        ScreenWidth = width;
        ScreenHeight = height;
        ScreenColor = 24;
        if (!InitOpenGL()) std::abort();
        texter = new Texter;
        texter->Load();
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
