// The sound requests an off-screen run made, as tests compare them.
#pragma once

#include <string>
#include <vector>

#include "headless.h"

// From request number `from` on: the name of each file in Sounds/, or the
// whole path of one anywhere else.
inline std::vector<std::string> SoundNames(const platform::HeadlessPlatform& os, size_t from = 0) {
    std::vector<std::string> names;
    for (size_t i = from; i < os.Sounds().size(); i++) {
        const std::string& path = os.Sounds()[i].path;
        names.push_back(path.rfind("Sounds/", 0) == 0 ? path.substr(7) : path);
    }
    return names;
}

// The same with the async flag, as "Start.wav:1 GameOver.wav:0".
inline std::string SoundLog(const platform::HeadlessPlatform& os, size_t from = 0) {
    std::string log;
    const std::vector<std::string> names = SoundNames(os, from);
    for (size_t i = 0; i < names.size(); i++)
        log += (i ? " " : "") + names[i] + ":" + (os.Sounds()[from + i].async ? "1" : "0");
    return log;
}
