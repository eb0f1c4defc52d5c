// The sound files the pages ask for, kept in the game folder's Sounds/.
// The sound maker writes exactly these, the build lists them from here and
// the tests check them, so a sound is added in this one place.
#pragma once

namespace sounds {

inline constexpr char kFolder[] = "Sounds";

// One quoted name a line: the build reads the names from this text.
inline constexpr char kStart[] = "Start.wav";        // the splash
inline constexpr char kPlay[] = "Play.wav";          // a level begins
inline constexpr char kClick[] = "Click.wav";        // a menu button
inline constexpr char kGameOver[] = "GameOver.wav";  // game over, and quitting
inline constexpr char kOuch[] = "Ouch.wav";          // the snake bites itself
inline constexpr char kGulp[] = "Gulp.wav";          // a meal
inline constexpr char kWin[] = "Win.wav";            // the last level done

inline constexpr const char* kFiles[] = {kStart, kPlay, kClick, kGameOver, kOuch, kGulp, kWin};

}  // namespace sounds
