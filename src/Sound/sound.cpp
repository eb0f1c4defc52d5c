#include "Sound/sound.h"

namespace {
std::vector<Sound::Request>& Log() {
    static std::vector<Sound::Request> requests;
    return requests;
}
}  // namespace

Sound::Sound() {}

Sound::~Sound() {}

void Sound::Play(const char* SoundFile, int async) {
    Log().push_back({SoundFile ? SoundFile : "", async});
}

const std::vector<Sound::Request>& Sound::Requests() {
    return Log();
}

void Sound::ClearRequests() {
    Log().clear();
}
