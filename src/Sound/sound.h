// Sound requests. The pages name a WAV file at their key events; nothing is
// played yet, but every request is kept so tests (and a future audio
// backend) can see them.
#pragma once

#include <string>
#include <vector>

class Sound {
public:
    Sound();
    ~Sound();
    static void Play(const char* SoundFile, int async);

    struct Request {
        std::string file;
        int async;
    };
    // Every request since the start of the process (or the last Clear).
    static const std::vector<Request>& Requests();
    static void ClearRequests();
};
