#include "icons.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

#include "canvas.h"
#include "palette.h"
#include "shading.h"

namespace {

const Color kWall = Hex(0x6b5440), kWallDark = Hex(0x3e2f22);
const Color kGrassLight = Hex(0x6cc25a), kGrassDark = Hex(0x4fa443);

// An RGBA picture painted with shapes given in icon units (0 to 1 across,
// y down), each edge anti-aliased over one pixel.
class IconCanvas {
public:
    explicit IconCanvas(int size) : size_(size), colour_(size, size), alpha_(static_cast<size_t>(size) * size, 0) {}

    void Fill(const Shape& shape, const Paint& paint, float opacity = 1, float softness = 0)
    {
        const float pixel = 1.0f / size_, fade = std::max(softness, pixel);
        for (int py = 0; py < size_; ++py)
            for (int px = 0; px < size_; ++px) {
                const float x = (px + 0.5f) * pixel, y = (py + 0.5f) * pixel;
                const float cover = std::clamp(0.5f - shape(x, y) / fade, 0.0f, 1.0f) * opacity;
                if (cover <= 0)
                    continue;
                // Over-compositing onto what is there, transparent at first.
                float& a = alpha_[py * size_ + px];
                const float after = cover + a * (1 - cover);
                colour_.At(px, py) = Mix(colour_.At(px, py), paint(x, y), cover / after);
                a = after;
            }
    }

    void Ball(float cx, float cy, float r, Color base)
    {
        Fill(Ellipse(cx + r * 0.2f, cy + r * 0.8f, r * 0.95f, r * 0.4f), Solid({}), 0.4f, r * 0.5f);
        Fill(Circle(cx, cy, r), [=](float x, float y) { return ShadeSphere(base, (x - cx) / r, (y - cy) / r); });
    }

    PngPicture Picture() const
    {
        PngPicture picture;
        picture.width = picture.height = size_;
        picture.channels = 4;
        const std::vector<std::uint8_t> rgb = colour_.Bytes();
        for (size_t i = 0; i < alpha_.size(); ++i) {
            picture.pixels.insert(picture.pixels.end(), rgb.begin() + 3 * i, rgb.begin() + 3 * i + 3);
            picture.pixels.push_back(static_cast<std::uint8_t>(std::lround(alpha_[i] * 255)));
        }
        return picture;
    }

private:
    int size_;
    Image colour_;
    std::vector<float> alpha_;
};

}  // namespace

const std::vector<int>& IconSizes()
{
    static const std::vector<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

PngPicture PaintIcon(int size)
{
    IconCanvas icon(size);
    const Rect tile{0.04f, 0.04f, 0.96f, 0.96f}, lawn = tile.Inset(0.07f, 0.07f);
    icon.Fill(RoundedBox(tile, 0.2f), VerticalGradient(tile.y1, kWall, tile.y2, kWallDark));
    // Grass in four by four cells, as the game's grid is laid.
    icon.Fill(RoundedBox(lawn, 0.14f), [&](float x, float y) {
        const int column = static_cast<int>((x - lawn.x1) / (lawn.x2 - lawn.x1) * 4);
        const int row = static_cast<int>((y - lawn.y1) / (lawn.y2 - lawn.y1) * 4);
        return Mix((column + row) % 2 ? kGrassDark : kGrassLight, kGrassDark * 0.7f, (y - lawn.y1) * 0.6f);
    });

    icon.Ball(0.30f, 0.72f, 0.085f, kFood);
    // The snake, tail first so that the head lies on top.
    const std::pair<float, float> body[] = {{0.74f, 0.74f}, {0.62f, 0.66f}, {0.49f, 0.60f}, {0.37f, 0.52f},
                                            {0.33f, 0.39f}, {0.43f, 0.29f}, {0.57f, 0.28f}};
    const int segments = sizeof body / sizeof body[0];
    for (int i = 0; i < segments; ++i)
        icon.Ball(body[i].first, body[i].second, 0.075f + 0.03f * i / segments, kSnakeBody);
    const float hx = 0.70f, hy = 0.31f, r = 0.115f;
    icon.Ball(hx, hy, r, kSnakeHead);
    for (float side : {-1.0f, 1.0f}) {
        const float ex = hx + r * 0.45f, ey = hy + side * r * 0.42f - r * 0.15f;
        icon.Fill(Circle(ex, ey, r * 0.24f), Solid(Hex(0xffffff)));
        icon.Fill(Circle(ex + r * 0.08f, ey, r * 0.12f), Solid(Hex(0x101010)));
    }
    return icon.Picture();
}

bool WriteIcons(const std::string& themeDir, const std::string& name, std::string* failed)
{
    for (int size : IconSizes()) {
        const std::filesystem::path folder =
            std::filesystem::path(themeDir) / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        const std::string file = (folder / (name + ".png")).string();
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec || !WritePng(file, PaintIcon(size))) {
            *failed = file;
            return false;
        }
    }
    return true;
}
