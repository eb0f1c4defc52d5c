#include "glyph_bitmap.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <utility>

namespace platform {

namespace {
// Glyphs without pixels are a 1 by 1 empty bitmap: inside a display list
// Mesa drops the advance of a 0 by 0 one.
const GLubyte kNoBits[4] = {0, 0, 0, 0};

const char kMagic[] = "TRAMOX GLYPHS 1\n";
const size_t kMagicLength = sizeof kMagic - 1;
// Far beyond a 24-pixel face: a larger number means a damaged file.
const int kMaxGlyphs = 256;
const int kMaxExtent = 256;
// Origins and advances are stored in 1/64 pixel, FreeType's own unit, so
// they survive the file exactly.
const float kUnitsPerPixel = 64.0f;

int Stride(int width) {
    return (width + 7) / 8;
}

bool PutNumber(std::FILE* out, long value) {
    const unsigned long bits = static_cast<unsigned long>(value) & 0xFFFFFFFFul;
    const unsigned char bytes[4] = {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                    static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
    return std::fwrite(bytes, 1, 4, out) == 4;
}

bool GetNumber(std::FILE* in, long* value) {
    unsigned char bytes[4];
    if (std::fread(bytes, 1, 4, in) != 4) return false;
    const unsigned long bits = bytes[0] | (bytes[1] << 8) | (static_cast<unsigned long>(bytes[2]) << 16) |
                               (static_cast<unsigned long>(bytes[3]) << 24);
    // Two's complement, whatever the width of long.
    *value = bits >= 0x80000000ul ? static_cast<long>(bits - 0x80000000ul) - 0x7FFFFFFFl - 1 : static_cast<long>(bits);
    return true;
}

bool GetInRange(std::FILE* in, long low, long high, long* value) {
    return GetNumber(in, value) && *value >= low && *value <= high;
}

long ToUnits(float pixels) {
    return std::lround(pixels * kUnitsPerPixel);
}
}  // namespace

void CompileGlyphLists(unsigned base, const std::vector<GlyphBitmap>& glyphs) {
    // The glyph rows are byte-packed; the unpacking happens as the lists
    // are compiled, so the alignment only matters here.
    GLint alignment;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphBitmap& glyph = glyphs[i];
        glNewList(base + static_cast<GLuint>(i), GL_COMPILE);
        if (glyph.width == 0 || glyph.rows == 0) {
            glBitmap(1, 1, 0.0f, 0.0f, glyph.advance, 0.0f, kNoBits);
        } else {
            glBitmap(glyph.width, glyph.rows, glyph.xOrigin, glyph.yOrigin, glyph.advance, 0.0f, glyph.bits.data());
        }
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

bool WriteGlyphFile(std::FILE* out, int firstChar, const std::vector<GlyphBitmap>& glyphs) {
    bool ok = std::fwrite(kMagic, 1, kMagicLength, out) == kMagicLength && PutNumber(out, firstChar) &&
              PutNumber(out, static_cast<long>(glyphs.size()));
    for (const GlyphBitmap& glyph : glyphs) {
        ok = ok && PutNumber(out, glyph.width) && PutNumber(out, glyph.rows) &&
             PutNumber(out, ToUnits(glyph.xOrigin)) && PutNumber(out, ToUnits(glyph.yOrigin)) &&
             PutNumber(out, ToUnits(glyph.advance)) &&
             (glyph.bits.empty() || std::fwrite(glyph.bits.data(), 1, glyph.bits.size(), out) == glyph.bits.size());
    }
    return ok;
}

bool ReadGlyphFile(std::FILE* in, int* firstChar, std::vector<GlyphBitmap>* glyphs) {
    glyphs->clear();
    char magic[kMagicLength];
    long first, count;
    if (std::fread(magic, 1, kMagicLength, in) != kMagicLength || std::memcmp(magic, kMagic, kMagicLength) != 0 ||
        !GetInRange(in, 0, kMaxGlyphs, &first) || !GetInRange(in, 0, kMaxGlyphs, &count)) {
        return false;
    }
    std::vector<GlyphBitmap> read(static_cast<size_t>(count));
    for (GlyphBitmap& glyph : read) {
        long width, rows, xOrigin, yOrigin, advance;
        if (!GetInRange(in, 0, kMaxExtent, &width) || !GetInRange(in, 0, kMaxExtent, &rows) ||
            !GetNumber(in, &xOrigin) || !GetNumber(in, &yOrigin) || !GetNumber(in, &advance)) {
            return false;
        }
        glyph.width = static_cast<int>(width);
        glyph.rows = static_cast<int>(rows);
        glyph.xOrigin = static_cast<float>(xOrigin) / kUnitsPerPixel;
        glyph.yOrigin = static_cast<float>(yOrigin) / kUnitsPerPixel;
        glyph.advance = static_cast<float>(advance) / kUnitsPerPixel;
        glyph.bits.resize(static_cast<size_t>(Stride(glyph.width)) * glyph.rows);
        // A glyph without pixels has no bytes (and no buffer to read into).
        if (!glyph.bits.empty() && std::fread(glyph.bits.data(), 1, glyph.bits.size(), in) != glyph.bits.size()) {
            return false;
        }
    }
    // Anything after the last glyph means the file is not what it claims.
    if (std::fgetc(in) != EOF) return false;
    *firstChar = static_cast<int>(first);
    *glyphs = std::move(read);
    return true;
}

}  // namespace platform
