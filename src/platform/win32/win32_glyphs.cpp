// The text writer's glyph lists from GDI: the bold monospaced face the game
// was drawn for, rasterised by wglUseFontBitmaps.
#include <GL/gl.h>

#include "win32_platform.h"

namespace platform {

namespace {
const int kEmPixels = 24;  // a negative height asks for the em, not the cell
const char kFace[] = "Courier New";
// Enough zero bytes for a one-pixel bitmap under any unpack alignment.
const GLubyte kNoBits[4] = {};

// The advance of a glyph without pixels, or -1 when the glyph has pixels.
int BlankAdvance(HDC dc, int code) {
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics;
    const DWORD size = GetGlyphOutlineA(dc, static_cast<UINT>(code), GGO_BITMAP, &metrics, 0, nullptr, &identity);
    return size == 0 ? metrics.gmCellIncX : -1;
}
}  // namespace

bool Win32Platform::BuildGlyphLists(unsigned base, int firstChar, int count) {
    if (!deviceContext_ || !context_) return false;
    HFONT font = CreateFontA(-kEmPixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFace);
    if (!font) return false;
    HGDIOBJ previous = SelectObject(deviceContext_, font);
    const bool built = wglUseFontBitmapsA(deviceContext_, static_cast<DWORD>(firstChar), static_cast<DWORD>(count),
                                          base) != FALSE;
    // A 0x0 bitmap compiled into a list does not move the raster position
    // on every GL, so a blank glyph becomes one empty pixel with its advance.
    for (int i = 0; built && i < count; ++i) {
        const int advance = BlankAdvance(deviceContext_, firstChar + i);
        if (advance < 0) continue;
        glNewList(base + static_cast<unsigned>(i), GL_COMPILE);
        glBitmap(1, 1, 0.0f, 0.0f, static_cast<GLfloat>(advance), 0.0f, kNoBits);
        glEndList();
    }
    SelectObject(deviceContext_, previous);
    DeleteObject(font);
    return built;
}

}  // namespace platform
