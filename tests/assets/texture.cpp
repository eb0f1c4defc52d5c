#include "texture.h"

#include <cmath>
#include <fstream>
#include <iterator>

const std::vector<std::string> kPageNames = {"StartPage", "MainPage", "OptionsPage", "gameoverPage",
                                             "congratulationsPage"};
const std::vector<std::string> kFloorNames = {"grass", "sand", "slate", "moss", "snow"};
const std::vector<std::string> kWallNames = {"hedge", "sandstone", "brick", "cobble", "ice"};

std::vector<std::string> AllTextureNames()
{
    std::vector<std::string> names = kPageNames;
    names.insert(names.end(), kFloorNames.begin(), kFloorNames.end());
    names.insert(names.end(), kWallNames.begin(), kWallNames.end());
    return names;
}

double Distance(Rgb a, Rgb b) { return (std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b)) / 3; }

double Luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

Rgb Texture::At(int x, int y) const
{
    x = ((x % kSide) + kSide) % kSide;
    y = ((y % kSide) + kSide) % kSide;
    const std::uint8_t* p = &bytes[(static_cast<size_t>(y) * kSide + x) * 3];
    return {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0};
}

std::string BuiltTexturePath(const std::string& name) { return std::string(TRAMOX_GAME_DIR) + "/Textures/" + name + ".txu"; }

Texture ReadTexture(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
}
