#include "mask.h"

#include <algorithm>
#include <cmath>

Mask::Mask(int width, int height) : width_(width), height_(height), cover_(static_cast<size_t>(width) * height, 0.0f) {}

float Mask::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return cover_[y * width_ + x];
}

Mask Mask::Padded(int margin) const
{
    Mask out(width_ + 2 * margin, height_ + 2 * margin);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.Ref(x + margin, y + margin) = At(x, y);
    return out;
}

Mask Mask::Blurred(int radius) const
{
    Mask current = *this;
    const float norm = 1.0f / (2 * radius + 1);
    for (int pass = 0; pass < 2; ++pass) {
        Mask horizontal(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += current.At(x + k, y);
                horizontal.Ref(x, y) = sum * norm;
            }
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k)
                    sum += horizontal.At(x, y + k);
                current.Ref(x, y) = sum * norm;
            }
    }
    return current;
}

Mask Mask::Grown(float radius) const
{
    const int reach = static_cast<int>(std::ceil(radius));
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float best = 0;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const float weight = std::clamp(radius + 0.5f - std::hypot(float(dx), float(dy)), 0.0f, 1.0f);
                    best = std::max(best, At(x + dx, y + dy) * weight);
                }
            out.Ref(x, y) = best;
        }
    return out;
}
