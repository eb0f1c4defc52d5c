// Shared by the settings tests: the file's fixed header and its one-line
// Settings element for six values, as the program writes them.
#pragma once

#include <array>
#include <string>

using SixValues = std::array<int, 6>;

const std::string kFileHeader = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

inline std::string SettingsFile(const SixValues& v) {
    const char* names[] = {"ScreenWidth", "ScreenHeight", "ScreenColor", "EngineDistance", "EngineXAngle", "EngineZAngle"};
    std::string body;
    for (int i = 0; i < 6; ++i) {
        body += "<" + std::string(names[i]) + ">" + std::to_string(v[i]) + "</" + names[i] + ">";
    }
    return kFileHeader + "<Settings>" + body + "</Settings>";
}
