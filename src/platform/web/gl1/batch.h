// The layer's draws on ES 2.0: vertices arrive in clip coordinates, each
// naming where its colour comes from (the colour alone, one of two texture
// units, or the bitmap atlas), and gather in one vertex buffer until a
// third texture, another atlas page, another shape or a real GL state
// change comes; then they go in one glDrawArrays.
#pragma once

#include <vector>

#include "state.h"

namespace gl1 {

enum class Shape { kTriangles, kLines };

// The pending vertices for a primitive of this shape, textured with the
// game's texture when texturing is on; `source` is what its vertices carry.
std::vector<Vertex>& Batch(Shape shape, float* source);
// Sends what is pending. Before any real GL call that changes drawing.
void SendBatch();

// A texture of one byte a pixel (nonzero: drawn), and a part of it
// replaced; deleted, as the game's textures are, by DeleteTexture.
unsigned MakeMaskTexture(int width, int height, const unsigned char* bytes);
void UpdateMaskTexture(unsigned texture, int x, int y, int width, int height, const unsigned char* bytes);
void DeleteTexture(unsigned texture);
// Draws the set pixels of the atlas page's texels x .. x + width - 1,
// y .. y + height - 1 at window pixels wx .., wy .., with this colour and
// window depth.
void DrawMask(int page, int x, int y, int width, int height, int wx, int wy, float depth, const Vec4& color);

// The game's texture binding as the real GL should see it (the layer's own
// draws bind others).
void BindGameTexture();

// The context went: nothing the layer made exists any more.
void ForgetDrawObjects();

}  // namespace gl1
