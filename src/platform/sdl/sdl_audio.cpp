#include "sdl_audio.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace platform {

namespace {

// How long past a sound's length a wait gives the device to take the last
// samples; a device that stalls must not hang the game.
const std::chrono::milliseconds kStall(500);


// The sound libraries under SDL write several lines of their own when there
// is no sound card; the one line the game prints says enough.
class SilentStderr {
public:
    SilentStderr() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int sink = open("/dev/null", O_WRONLY);
        if (sink >= 0) {
            dup2(sink, STDERR_FILENO);
            close(sink);
        }
    }
    ~SilentStderr() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    SilentStderr(const SilentStderr&) = delete;
    SilentStderr& operator=(const SilentStderr&) = delete;

private:
    int saved_ = -1;
};

// SDL's audio stream drops the last few milliseconds when it resamples;
// the one-shot converter keeps them.
std::vector<Uint8> Convert(const SDL_AudioSpec& from, const Uint8* data, Uint32 length, const SDL_AudioSpec& to) {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, from.format, from.channels, from.freq, to.format, to.channels, to.freq) < 0) return {};
    std::vector<Uint8> converted(data, data + length);
    if (!cvt.needed) return converted;
    converted.resize(size_t(length) * size_t(cvt.len_mult));
    cvt.buf = converted.data();
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0) return {};
    converted.resize(static_cast<size_t>(cvt.len_cvt));
    return converted;
}

}  // namespace

SdlAudio::~SdlAudio() {
    if (device_) SDL_CloseAudioDevice(device_);
    if (audioStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudio::Play(const char* path, bool wait) {
    if (!path || (tried_ && !device_)) return;
    const std::vector<Uint8>& samples = Samples(path);
    if (!device_) return;
    SDL_ClearQueuedAudio(device_);
    if (samples.empty() || SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size())) != 0) return;
    if (wait) WaitUntilPlayed(samples.size());
}

void SdlAudio::OpenDevice(const SDL_AudioSpec& format) {
    tried_ = true;
    {
        SilentStderr quiet;
        audioStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        if (audioStarted_) {
            SDL_AudioSpec want{};
            want.freq = format.freq;
            want.format = format.format;
            want.channels = format.channels;
            want.samples = 512;
            // SDL converts for the hardware itself when it differs.
            device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
        }
    }
    if (!device_) {
        std::fprintf(stderr, "tramox: playing no sounds: %s\n", SDL_GetError());
        return;
    }
    SDL_PauseAudioDevice(device_, 0);
}

const std::vector<Uint8>& SdlAudio::Samples(const std::string& path) {
    auto known = cache_.find(path);
    if (known != cache_.end()) return known->second;
    std::vector<Uint8>& samples = cache_[path];
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &format, &data, &length)) return samples;
    if (!tried_) OpenDevice(format);
    if (device_) samples = Convert(format, data, length, spec_);
    SDL_FreeWAV(data);
    return samples;
}

void SdlAudio::WaitUntilPlayed(size_t bytes) {
    using namespace std::chrono;
    const size_t bytesPerSecond = size_t(SDL_AUDIO_BITSIZE(spec_.format) / 8) * spec_.channels * size_t(spec_.freq);
    const steady_clock::time_point end = steady_clock::now() + microseconds(bytes * 1000000 / bytesPerSecond);
    // The clock says when the sound has played; the queue, that the device
    // has really taken all of it.
    for (steady_clock::time_point now = steady_clock::now(); now < end + kStall; now = steady_clock::now()) {
        if (now >= end && SDL_GetQueuedAudioSize(device_) == 0) return;
        const long left = static_cast<long>(ceil<milliseconds>(end - now).count());
        SDL_Delay(static_cast<Uint32>(std::clamp(left, 1L, 10L)));
    }
}

}  // namespace platform
