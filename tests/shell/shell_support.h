// Shared by the shell tests.
#pragma once

#include <string>

#include "Sound/sound.h"

// The sound requests so far as "Start.wav:1 GameOver.wav:0".
inline std::string SoundLog() {
    std::string log;
    for (const Sound::Request& r : Sound::Requests())
        log += (log.empty() ? "" : " ") + r.file + ":" + std::to_string(r.async);
    return log;
}
