// The pixels of every kept bitmap (the text writer's glyphs) packed into a
// few large textures, so that a line of text is one draw.
#pragma once

namespace gl1 {

const int kAtlasSize = 512;

struct AtlasPlace {
    int page = -1;  // -1: nothing to draw
    int x = 0, y = 0;
};

// Copies a bitmap of one byte a pixel (nonzero: set) into a page; a bitmap
// too large for a page gets no place.
AtlasPlace PlaceInAtlas(int width, int height, const unsigned char* pixels);
// The bitmap is gone; a page with none left is deleted.
void FreeFromAtlas(const AtlasPlace& place);
unsigned AtlasTexture(int page);
// The context went with the pages' textures.
void ForgetAtlas();

}  // namespace gl1
