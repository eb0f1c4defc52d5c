// Display lists: the calls made between glNewList and glEndList, kept and
// replayed by glCallList. A list keeps the primitive, colour, normal,
// texture-coordinate, enable, texture-binding, light-position, matrix,
// raster-position, bitmap and list calls; the others the layer has run at
// once while a list is compiled (the game's lists hold none of them).
#pragma once

#include "atlas.h"
#include "state.h"

namespace gl1 {

enum class Op : unsigned char {
    kBegin,
    kEnd,
    kVertex,
    kColor,
    kNormal,
    kTexCoord,
    kEnable,
    kDisable,
    kBindTexture,
    kLightPosition,
    kBitmap,
    kCallList,
    kListBase,
    kRasterPos,
    kMatrixMode,
    kLoadIdentity,
    kPushMatrix,
    kPopMatrix,
    kTranslate,
    kRotate,
    kScale,
};

struct Command {
    Op op;
    unsigned value;  // a GL enum or name, or the bitmap's index in its list
    float f[4];
};

// A glBitmap kept in a list: its pixels go to the atlas once, when the list
// is compiled.
struct KeptBitmap {
    int width, height;
    float xorig, yorig, xmove, ymove;
    AtlasPlace place;  // none when no pixel is set
};

// Called by each call a list can hold, first: while a list is being
// compiled the call is kept, and the result says whether it must not run
// now as well.
bool Record(const Command& command);
// Keeps a bitmap in the list being compiled; false when none is or when the
// list is executed as it is compiled (the bitmap is then drawn now too).
bool RecordBitmap(const KeptBitmap& bitmap);
bool Compiling();
// Draws a bitmap at the raster position and advances it.
void DrawBitmap(const KeptBitmap& bitmap);

void ForgetLists();

}  // namespace gl1
