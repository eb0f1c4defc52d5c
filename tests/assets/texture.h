// Reading the built texture files back for inspection.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Engine/texturelist.h"

constexpr int kSide = 256;
constexpr size_t kFileBytes = 196608;

const std::vector<std::string> kPageNames(std::begin(kPagePictures), std::end(kPagePictures));
const std::vector<std::string> kFloorNames(std::begin(kFloorTextures), std::end(kFloorTextures));
const std::vector<std::string> kWallNames(std::begin(kWallTextures), std::end(kWallTextures));

struct Rgb {
    double r = 0, g = 0, b = 0;  // 0 to 1
};

// Mean absolute channel difference, 0 to 1.
inline double Distance(Rgb a, Rgb b) { return (std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b)) / 3; }
inline double Luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

struct Texture {
    std::vector<std::uint8_t> bytes;

    // Pixel (x, y), row 0 being the first row of the file; wraps around.
    Rgb At(int x, int y) const {
        const std::uint8_t* p = &bytes[(size_t((y % kSide + kSide) % kSide) * kSide + (x % kSide + kSide) % kSide) * 3];
        return {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0};
    }
};

// Textures/<name>.txu of the built game, or the file at a path with a '/'; empty when unreadable.
inline Texture ReadTexture(const std::string& name) {
    std::ifstream in(name.find('/') == std::string::npos ? TRAMOX_GAME_DIR "/Textures/" + name + ".txu" : name,
                     std::ios::binary);
    return {std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
}
