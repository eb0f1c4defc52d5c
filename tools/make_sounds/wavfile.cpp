#include "wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace {

// WAV numbers are little-endian whatever the machine.
void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteWav(const Track& track, const std::string& path) {
    const std::uint32_t channels = 1, bytesPerSample = 2;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(track.size()) * bytesPerSample * channels;
    std::string bytes = "RIFF";
    Put(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    Put(bytes, 16, 4);  // the format chunk's size
    Put(bytes, 1, 2);   // integer PCM
    Put(bytes, channels, 2);
    Put(bytes, kSampleRate, 4);
    Put(bytes, kSampleRate * channels * bytesPerSample, 4);
    Put(bytes, channels * bytesPerSample, 2);
    Put(bytes, 8 * bytesPerSample, 2);
    bytes += "data";
    Put(bytes, dataBytes, 4);
    for (float sample : track) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        Put(bytes, static_cast<std::uint32_t>(value), 2);
    }
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}
