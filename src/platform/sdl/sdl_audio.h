// Sound on SDL's audio device, one sound at a time: a new sound cuts off
// the one playing, and a caller may wait until its sound has been heard.
#pragma once

#include <SDL.h>

#include <map>
#include <string>
#include <vector>

namespace platform {

class SdlAudio {
public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Stops the sound playing and plays the WAV file at `path`; with
    // `wait`, returns once it has played to the end. Without a device, or
    // with a file that is missing or not a WAV, there is nothing to hear and
    // nothing to wait for.
    void Play(const char* path, bool wait);

private:
    // Opened at the first sound, in that sound's format, so that sounds
    // made alike need no conversion; tried once.
    void OpenDevice(const SDL_AudioSpec& format);
    // The file's samples in the device's format; empty when it has none.
    const std::vector<Uint8>& Samples(const std::string& path);
    void WaitUntilPlayed(size_t bytes);

    bool tried_ = false;
    bool audioStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::map<std::string, std::vector<Uint8>> cache_;
};

}  // namespace platform
