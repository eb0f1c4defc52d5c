// The browser build's glyph file: the system font's glyphs survive it
// exactly, and a damaged file is refused rather than half read.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/glyph_bitmap.h"
#include "platform/linux/glyph_lists.h"
#include "texter.h"

namespace {

using platform::GlyphBitmap;

std::string Write(int firstChar, const std::vector<GlyphBitmap>& glyphs) {
    std::FILE* f = std::tmpfile();
    EXPECT_TRUE(platform::WriteGlyphFile(f, firstChar, glyphs));
    std::string bytes(static_cast<size_t>(std::ftell(f)), '\0');
    std::rewind(f);
    EXPECT_EQ(std::fread(&bytes[0], 1, bytes.size(), f), bytes.size());
    std::fclose(f);
    return bytes;
}

bool Read(const std::string& bytes, int* firstChar, std::vector<GlyphBitmap>* glyphs) {
    std::FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    const bool ok = platform::ReadGlyphFile(f, firstChar, glyphs);
    std::fclose(f);
    return ok;
}

TEST(GlyphFile, KeepsTheSystemFontsGlyphsExactly) {
    std::vector<GlyphBitmap> font;
    ASSERT_TRUE(platform::RasterizeSystemFontGlyphs(kTexterFirstChar, kTexterCharCount, &font));
    int firstChar = 0;
    std::vector<GlyphBitmap> read;
    ASSERT_TRUE(Read(Write(kTexterFirstChar, font), &firstChar, &read));
    EXPECT_EQ(firstChar, kTexterFirstChar);
    ASSERT_EQ(read.size(), font.size());
    for (size_t i = 0; i < font.size(); ++i) {
        const char c = static_cast<char>(kTexterFirstChar + i);
        EXPECT_EQ(read[i].width, font[i].width) << c;
        EXPECT_EQ(read[i].rows, font[i].rows) << c;
        EXPECT_EQ(read[i].xOrigin, font[i].xOrigin) << c;
        EXPECT_EQ(read[i].yOrigin, font[i].yOrigin) << c;
        EXPECT_EQ(read[i].advance, font[i].advance) << c;
        EXPECT_EQ(read[i].bits, font[i].bits) << c;
    }
}

TEST(GlyphFile, RefusesDamagedFiles) {
    GlyphBitmap a;
    a.width = 9, a.rows = 2, a.xOrigin = -1, a.yOrigin = 0.5f, a.advance = 14.4f;
    a.bits = {0xFF, 0x80, 0x01, 0x00};
    GlyphBitmap space;
    space.advance = 14.4f;
    const std::string whole = Write(32, {space, a});
    int firstChar;
    std::vector<GlyphBitmap> glyphs;
    ASSERT_TRUE(Read(whole, &firstChar, &glyphs));
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[1].bits, a.bits);

    std::string badMagic = whole, hugeCount = whole, hugeGlyph = whole;
    badMagic[0] = 'X';
    hugeCount[16 + 4 + 1] = 0x7F;          // the count's second byte
    hugeGlyph[16 + 8 + 20 + 1] = 0x10;     // the second glyph's width
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"another kind of file", badMagic},
        {"a count beyond any face", hugeCount},
        {"a glyph beyond any face", hugeGlyph},
        {"bytes after the last glyph", whole + '\0'},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        glyphs.assign(3, space);
        EXPECT_FALSE(Read(c.bytes, &firstChar, &glyphs)) << c.what;
        EXPECT_TRUE(glyphs.empty()) << c.what;
    }
    // Cut anywhere, the file is refused.
    for (size_t length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(Read(whole.substr(0, length), &firstChar, &glyphs)) << length;
    }
}

}  // namespace
