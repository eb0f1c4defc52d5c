#include "lettering.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

const char kFamily[] = "Liberation Sans";

std::string FindFontFile()
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::string file;
    FcChar8* family = nullptr;
    FcChar8* path = nullptr;
    int weight = 0;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        std::strcmp(reinterpret_cast<const char*>(family), kFamily) == 0 &&
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch && weight == FC_WEIGHT_BOLD &&
        FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
        file = reinterpret_cast<const char*>(path);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    if (file.empty())
        throw std::runtime_error("fontconfig finds no Liberation Sans Bold (Debian package fonts-liberation2)");
    return file;
}

// Code points of a UTF-8 string; malformed bytes stand for themselves.
std::vector<FT_ULong> CodePoints(const std::string& text)
{
    std::vector<FT_ULong> points;
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = text[i];
        const int extra = lead >= 0xf0 ? 3 : lead >= 0xe0 ? 2 : lead >= 0xc0 ? 1 : 0;
        FT_ULong point = extra ? lead & (0x3f >> extra) : lead;
        size_t next = i + 1;
        for (int k = 0; k < extra && next < text.size() && (text[next] & 0xc0) == 0x80; ++k, ++next)
            point = (point << 6) | (text[next] & 0x3f);
        if (next != i + 1 + extra)
            point = lead;
        points.push_back(point);
        i = next;
    }
    return points;
}

struct PlacedGlyph {
    int left;
    int top;
    int width;
    int rows;
    std::vector<unsigned char> cover;
};

}  // namespace

Lettering::Lettering()
{
    const std::string file = FindFontFile();
    if (FT_Init_FreeType(&library_) != 0)
        throw std::runtime_error("FreeType does not start");
    if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw std::runtime_error("FreeType cannot open " + file);
    }
}

Lettering::~Lettering()
{
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

Mask Lettering::Render(const std::string& text, float em, float widthScale) const
{
    FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72);
    FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(widthScale * 0x10000)), 0, 0, 0x10000};
    std::vector<PlacedGlyph> glyphs;
    FT_Pos pen = 0;  // 26.6 fixed point, so glyphs sit at sub-pixel positions
    FT_UInt previous = 0;
    for (FT_ULong point : CodePoints(text)) {
        const FT_UInt index = FT_Get_Char_Index(face_, point);
        if (previous && index) {
            FT_Vector kern;
            FT_Get_Kerning(face_, previous, index, FT_KERNING_UNFITTED, &kern);
            pen += static_cast<FT_Pos>(std::lround(kern.x * widthScale));
        }
        FT_Vector delta{pen & 63, 0};
        FT_Set_Transform(face_, &matrix, &delta);
        if (FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0)
            throw std::runtime_error("FreeType cannot draw a glyph of \"" + text + "\"");
        const FT_GlyphSlot slot = face_->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        PlacedGlyph glyph{static_cast<int>(pen >> 6) + slot->bitmap_left, slot->bitmap_top,
                          static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), {}};
        for (int row = 0; row < glyph.rows; ++row) {
            const unsigned char* line = bitmap.buffer + row * bitmap.pitch;
            glyph.cover.insert(glyph.cover.end(), line, line + glyph.width);
        }
        glyphs.push_back(std::move(glyph));
        pen += slot->advance.x;
        previous = index;
    }
    FT_Set_Transform(face_, nullptr, nullptr);

    int left = INT_MAX, right = INT_MIN, top = INT_MIN, bottom = INT_MAX;
    for (const PlacedGlyph& g : glyphs) {
        if (g.width == 0 || g.rows == 0)
            continue;
        left = std::min(left, g.left);
        right = std::max(right, g.left + g.width);
        top = std::max(top, g.top);
        bottom = std::min(bottom, g.top - g.rows);
    }
    if (left > right)
        return Mask();
    Mask ink(right - left, top - bottom);
    for (const PlacedGlyph& g : glyphs)
        for (int row = 0; row < g.rows; ++row)
            for (int col = 0; col < g.width; ++col) {
                float& cell = ink.Ref(g.left - left + col, top - g.top + row);
                cell = std::min(1.0f, cell + g.cover[row * g.width + col] / 255.0f);
            }
    return ink;
}
