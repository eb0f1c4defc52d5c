// Bitmaps at the raster position, the way the text writer's glyph lists
// draw: each glBitmap shows its set pixels in the raster colour at the
// raster depth and moves the raster position on.
#include <cmath>
#include <vector>

#include "batch.h"
#include "es2.h"
#include "lists.h"

namespace gl1 {

namespace {

// The bits of a glBitmap (rows bottom-up, first pixel in the high bit, rows
// padded to the unpack alignment) as one byte a pixel.
std::vector<unsigned char> Unpack(int width, int height, const unsigned char* bits, int alignment) {
    const int bytesPerRow = (width + 7) / 8;
    const int stride = (bytesPerRow + alignment - 1) / alignment * alignment;
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (bits[y * stride + x / 8] & (0x80 >> (x % 8))) pixels[static_cast<size_t>(y) * width + x] = 255;
    return pixels;
}

KeptBitmap Keep(int width, int height, float xorig, float yorig, float xmove, float ymove, const unsigned char* bits) {
    KeptBitmap kept = {width, height, xorig, yorig, xmove, ymove, {}};
    if (width <= 0 || height <= 0 || !bits) return kept;
    const std::vector<unsigned char> pixels = Unpack(width, height, bits, Current().unpackAlignment);
    for (unsigned char p : pixels)
        if (p) {
            kept.place = PlaceInAtlas(width, height, pixels.data());
            break;
        }
    return kept;
}

}  // namespace

void DrawBitmap(const KeptBitmap& b) {
    RasterPosition& r = Current().raster;
    if (!r.valid) return;
    if (b.place.page >= 0) {
        // GL's own rounding of the corner, with its small bias.
        const float epsilon = 0.0001f;
        const int x = static_cast<int>(std::floor(r.x + epsilon - b.xorig));
        const int y = static_cast<int>(std::floor(r.y + epsilon - b.yorig));
        DrawMask(b.place.page, b.place.x, b.place.y, b.width, b.height, x, y, r.z, r.color);
    }
    r.x += b.xmove;
    r.y += b.ymove;
}

void RasterPos2f(float x, float y) {
    if (Record({Op::kRasterPos, 0, {x, y, 0, 1}})) return;
    State& s = Current();
    const Vec4 eye = s.modelview.Top() * Vec4{x, y, 0, 1};
    const Vec4 clip = s.projection.Top() * eye;
    RasterPosition& r = s.raster;
    r.valid = std::fabs(clip.x) <= clip.w && std::fabs(clip.y) <= clip.w && std::fabs(clip.z) <= clip.w;
    if (!r.valid) return;
    const int* v = Viewport();
    r.x = v[0] + (clip.x / clip.w + 1.0f) * 0.5f * v[2];
    r.y = v[1] + (clip.y / clip.w + 1.0f) * 0.5f * v[3];
    r.z = (clip.z / clip.w + 1.0f) * 0.5f;
    // Lit like a vertex, with the current normal.
    r.color = Shade(eye, s.normal);
}

void Bitmap(int width, int height, float xorig, float yorig, float xmove, float ymove, const unsigned char* bits) {
    const KeptBitmap kept = Keep(width, height, xorig, yorig, xmove, ymove, bits);
    if (RecordBitmap(kept)) return;
    DrawBitmap(kept);
    if (Compiling()) return;  // the list keeps the bitmap
    // Drawn once, outside a list: its pixels leave the atlas at once.
    SendBatch();
    FreeFromAtlas(kept.place);
}

void PixelStorei(unsigned name, int value) {
    if (name == kUnpackAlignment) Current().unpackAlignment = value;
    glPixelStorei(name, value);
}

void GetIntegerv(unsigned name, int* values) {
    State& s = Current();
    switch (name) {
        case kUnpackAlignment: *values = s.unpackAlignment; break;
        case kMatrixModeName: *values = static_cast<int>(s.matrixMode); break;
        default: glGetIntegerv(name, values);
    }
}

}  // namespace gl1
