// Sound requests. The pages name a WAV file in the game's Sounds folder at
// their key events; the backend plays it the way Windows' PlaySound does
// (one sound at a time, async 0 returns when it has finished).
#pragma once

class Sound {
public:
    Sound();
    ~Sound();
    static void Play(const char* SoundFile, int async);
};
