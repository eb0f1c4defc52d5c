#include "image.h"

#include <algorithm>
#include <cmath>

Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Color operator-(Color a, Color b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
Color operator*(Color c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Color Mix(Color a, Color b, float t) { return a + (b - a) * t; }

Color Hex(std::uint32_t rgb)
{
    return {((rgb >> 16) & 0xff) / 255.0f, ((rgb >> 8) & 0xff) / 255.0f, (rgb & 0xff) / 255.0f};
}

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill)
{
}

void Image::Blend(int x, int y, Color color, float alpha)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0)
        return;
    Color& p = At(x, y);
    p = Mix(p, color, std::min(alpha, 1.0f));
}

Color Image::Sample(float x, float y) const
{
    const float fx = std::clamp(x - 0.5f, 0.0f, width_ - 1.0f);
    const float fy = std::clamp(y - 0.5f, 0.0f, height_ - 1.0f);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const int x1 = std::min(x0 + 1, width_ - 1), y1 = std::min(y0 + 1, height_ - 1);
    const float tx = fx - x0, ty = fy - y0;
    return Mix(Mix(At(x0, y0), At(x1, y0), tx), Mix(At(x0, y1), At(x1, y1), tx), ty);
}

std::vector<std::uint8_t> Image::Bytes() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Color& c : pixels_)
        for (float channel : {c.r, c.g, c.b})
            bytes.push_back(static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f)));
    return bytes;
}
