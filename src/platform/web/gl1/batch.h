// The layer's draws on ES 2.0: primitives gather in one vertex buffer until
// something that changes how they are drawn comes (another texture, the
// projection, GL state, a clear), then go in one glDrawArrays.
#pragma once

#include <vector>

#include "state.h"

namespace gl1 {

enum class Shape { kTriangles, kLines };

// The pending vertices for primitives of this shape drawn with the current
// texture state and projection; a draw of another kind is sent first.
std::vector<Vertex>& Batch(Shape shape);
// Sends what is pending. Before any real GL call that changes drawing.
void SendBatch();

// A bitmap as a texture of one byte a pixel (nonzero: drawn); deleted, as
// the game's textures are, by DeleteTexture.
unsigned MakeMaskTexture(int width, int height, const unsigned char* bytes);
void DeleteTexture(unsigned texture);
// Draws the mask's set pixels at window pixels x .. x + width - 1,
// y .. y + height - 1, with this colour and window depth.
void DrawMask(unsigned texture, int x, int y, int width, int height, float depth, const Vec4& color);

// The game's texture binding as the real GL should see it (the layer's own
// draws bind others).
void BindGameTexture();

// The context went: nothing the layer made exists any more.
void ForgetDrawObjects();

}  // namespace gl1
