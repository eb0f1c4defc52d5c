// How each of the game's sounds is made.
#pragma once

#include <string>

#include "synth.h"

// The finished track for a sound file name ("Win.wav"); false when there is
// no recipe for that name.
bool MakeSound(const std::string& name, Track* track);
