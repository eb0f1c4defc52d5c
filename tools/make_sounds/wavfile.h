// Writing a track as a WAV file: 16-bit PCM, one channel, kSampleRate.
#pragma once

#include <string>

#include "synth.h"

// False when the file cannot be written.
bool WriteWav(const Track& track, const std::string& path);
