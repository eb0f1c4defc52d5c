// Reading the built texture files back for inspection.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSide = 256;
constexpr size_t kFileBytes = 196608;

struct Rgb {
    double r = 0, g = 0, b = 0;  // 0 to 1
};

double Distance(Rgb a, Rgb b);  // mean absolute channel difference, 0 to 1
double Luminance(Rgb c);

struct Texture {
    std::vector<std::uint8_t> bytes;

    // Pixel (x, y), row 0 being the first row of the file; wraps around.
    Rgb At(int x, int y) const;
};

// The built file Textures/<name>.txu of the game folder.
std::string BuiltTexturePath(const std::string& name);
// The whole file; an empty texture when it cannot be read.
Texture ReadTexture(const std::string& path);

// The names the maps and pages load.
extern const std::vector<std::string> kPageNames;
extern const std::vector<std::string> kFloorNames;
extern const std::vector<std::string> kWallNames;
std::vector<std::string> AllTextureNames();
