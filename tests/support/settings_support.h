// Shared by the settings and shell tests: the file the program writes for six
// settings values, and scripted runs of the program.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MenuPages/pagelayout.h"
#include "globals.h"
#include "headless.h"
#include "headless_world.h"
#include "run_program.h"
#include "settings.h"

const std::string kFileHeader = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

inline std::string SettingsFile(const SixValues& v) {
    const char* names[] = {"ScreenWidth", "ScreenHeight", "ScreenColor", "EngineDistance", "EngineXAngle", "EngineZAngle"};
    std::string body;
    for (int i = 0; i < 6; ++i) body += "<" + std::string(names[i]) + ">" + std::to_string(v[i]) + "</" + names[i] + ">";
    return kFileHeader + "<Settings>" + body + "</Settings>";
}

// A release at a page position, sent as the client pixel (rounded up) that
// the window procedure's truncation maps back onto it.
inline void ClickPage(platform::HeadlessPlatform& os, int x, int y, int button = 0) {
    os.PostClick((x * ScreenWidth + kPageWidth - 1) / kPageWidth, (y * ScreenHeight + kPageHeight - 1) / kPageHeight, button);
}
inline void ClickInside(platform::HeadlessPlatform& os, const PageRect& r, int button = 0) {
    ClickPage(os, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2, button);
}

// Runs the program and returns its exit status, calling `script` once per
// presented frame with the number of earlier calls on the same page. A run
// still going after 5000 frames is closed and fails.
inline int RunScripted(platform::HeadlessPlatform& os,
                       const std::function<void(platform::HeadlessPlatform&, int)>& script) {
    int seen = -1, calls = 0;
    PageBase* previous = nullptr;
    os.SetPumpCallback([&](platform::HeadlessPlatform& p) {
        if (p.FramesPresented() == seen) return;
        seen = p.FramesPresented();
        calls = currentPage == previous ? calls + 1 : 0;
        previous = currentPage;
        if (seen < 5000) return script(p, calls);
        ADD_FAILURE() << "the script did not end the program";
        p.PostClose();
    });
    const int status = platform::RunProgram(os);
    os.SetPumpCallback(nullptr);
    return status;
}
