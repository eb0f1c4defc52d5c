// Shared by the settings tests: the six values of a Settings, and the file
// the program writes for them (fixed header, one-line Settings element).
#pragma once

#include <array>
#include <string>

#include "settings.h"

using SixValues = std::array<int, 6>;

inline SixValues Values(const Settings& s) {
    return {s.screenWidth, s.screenHeight, s.screenColor, s.engineDistance, s.engineXAngle, s.engineZAngle};
}

const std::string kFileHeader = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

inline std::string SettingsFile(const SixValues& v) {
    const char* names[] = {"ScreenWidth", "ScreenHeight", "ScreenColor", "EngineDistance", "EngineXAngle", "EngineZAngle"};
    std::string body;
    for (int i = 0; i < 6; ++i) {
        body += "<" + std::string(names[i]) + ">" + std::to_string(v[i]) + "</" + names[i] + ">";
    }
    return kFileHeader + "<Settings>" + body + "</Settings>";
}
