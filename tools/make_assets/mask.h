// A coverage mask (0 = nothing, 1 = full) in picture pixels, used for
// lettering and its shadows and outlines.
#pragma once

#include <vector>

class Mask {
public:
    Mask() = default;
    Mask(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    float At(int x, int y) const;  // 0 outside the mask
    float& Ref(int x, int y) { return cover_[y * width_ + x]; }

    // The same mask with `margin` empty pixels added on every side.
    Mask Padded(int margin) const;
    // A box blur of the given radius, applied twice (close to a Gaussian).
    Mask Blurred(int radius) const;
    // Grown by `radius` pixels: each pixel takes the strongest coverage
    // within that distance, weighted down towards the rim for a soft edge.
    Mask Grown(float radius) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<float> cover_;
};
