// The sound files the pages ask for, kept in the game folder's Sounds/.
// The sound maker writes exactly these, the build lists them from here and
// the tests check them, so a sound is added in this one place.
#pragma once

namespace sounds {

inline constexpr char kFolder[] = "Sounds";

// One quoted name a line: the build reads the names from this text.
inline constexpr const char* kFiles[] = {
    "Start.wav",
    "Play.wav",
    "Click.wav",
    "GameOver.wav",
    "Ouch.wav",
    "Gulp.wav",
    "Win.wav",
};

}  // namespace sounds
