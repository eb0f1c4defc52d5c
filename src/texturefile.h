// Texture files: 196,608 bytes of raw 256 by 256 RGB pixels, first row on top.
#pragma once

enum { kTextureSize = 256, kTextureFileBytes = 256 * 256 * 3 };

// Binds the texture object `texture` and fills it from the file `name` (a
// game file name such as "Textures\\StartPage.txu"), with the given
// minification and magnification filter. Only the first 196,608 bytes of a
// file are read. Where a missing or short file has no bytes, the texture
// shows a magenta and black checker (a short file keeps the rows it has).
// Leaves the texture bound and the texturing switch as it was. Returns 1
// when the file was read whole, 0 when the checker stands in for any of it.
int LoadTextureFile(const char* name, unsigned int texture, int filter);
