// A picture being painted: RGB channels as floats from 0 to 1, rows from the top.
#pragma once

#include <cstdint>
#include <vector>

struct Color {
    float r = 0, g = 0, b = 0;
};

Color operator+(Color a, Color b);
Color operator-(Color a, Color b);
Color operator*(Color c, float k);
Color Mix(Color a, Color b, float t);
// 0xRRGGBB to a colour.
Color Hex(std::uint32_t rgb);

class Image {
public:
    Image(int width, int height, Color fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Color& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Color& At(int x, int y) const { return pixels_[Index(x, y)]; }
    // Mixes `color` into pixel (x, y) by `alpha`; pixels outside are ignored.
    void Blend(int x, int y, Color color, float alpha);
    // Bilinear sample at fractional pixel coordinates (pixel centres at +0.5),
    // clamped to the edges.
    Color Sample(float x, float y) const;

    // 8-bit RGB, three bytes a pixel, rows from the top.
    std::vector<std::uint8_t> Bytes() const;

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Color> pixels_;
};
