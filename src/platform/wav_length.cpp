#include "wav_length.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {
std::uint32_t Le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct File {
    explicit File(const char* path) : f(std::fopen(path, "rb")) {}
    ~File() {
        if (f) std::fclose(f);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    std::FILE* f;
};
}  // namespace

long WavLengthMs(const char* path) {
    File file(path);
    if (!file.f) return 0;
    unsigned char header[12];
    if (std::fread(header, 1, 12, file.f) != 12 || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0) {
        return 0;
    }
    // Chunks in any order: the byte rate comes from "fmt ", the size from "data".
    std::uint32_t byteRate = 0;
    unsigned char chunk[8];
    while (std::fread(chunk, 1, 8, file.f) == 8) {
        const std::uint32_t size = Le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            unsigned char format[16];
            if (size < 16 || std::fread(format, 1, 16, file.f) != 16) return 0;
            byteRate = Le32(format + 8);
            if (std::fseek(file.f, static_cast<long>(size - 16 + (size & 1)), SEEK_CUR) != 0) return 0;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (byteRate == 0) return 0;
            // A cut-off file plays what it holds.
            const long start = std::ftell(file.f);
            if (start < 0 || std::fseek(file.f, 0, SEEK_END) != 0) return 0;
            const long end = std::ftell(file.f);
            const std::uint64_t held = end > start ? static_cast<std::uint64_t>(end - start) : 0;
            const std::uint64_t bytes = size < held ? size : held;
            return static_cast<long>(bytes * 1000 / byteRate);
        } else if (std::fseek(file.f, static_cast<long>(size + (size & 1)), SEEK_CUR) != 0) {
            return 0;
        }
    }
    return 0;
}

}  // namespace platform
