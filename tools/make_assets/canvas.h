// Painting page pictures in page coordinates: the 1024 by 768 screen space
// (origin top-left, y down) that the game stretches the 256 by 256 picture
// over. Shapes are given there, so they come out right after the stretch,
// and are rasterised with anti-aliased edges onto the picture's texels.
#pragma once

#include <functional>
#include <string>

#include "MenuPages/pagelayout.h"
#include "image.h"
#include "lettering.h"

struct Rect {
    float x1, y1, x2, y2;
    float CenterX() const { return (x1 + x2) / 2; }
    float CenterY() const { return (y1 + y2) / 2; }
    Rect Inset(float dx, float dy) const { return {x1 + dx, y1 + dy, x2 - dx, y2 - dy}; }
};

// The area of a button the game takes clicks in.
constexpr Rect Area(const PageRect& r) {
    return {float(r.x1), float(r.y1), float(r.x2), float(r.y2)};
}

// Signed distance in page units from a point to a shape's rim, negative inside.
using Shape = std::function<float(float x, float y)>;
Shape RoundedBox(Rect box, float radius);
Shape Circle(float cx, float cy, float radius);
Shape Ellipse(float cx, float cy, float rx, float ry);

// The colour of a point of a filled shape.
using Paint = std::function<Color(float x, float y)>;
Paint Solid(Color color);
Paint VerticalGradient(float y1, Color top, float y2, Color bottom);

struct TextStyle {
    Color top;                 // fill colour at the top of the ink
    Color bottom;              // and at its bottom
    Color outline;
    float outlineWidth = 0;    // picture pixels; 0 for none
    float shadowOpacity = 0;   // a soft dark copy below and right of the ink
};

class Canvas {
public:
    Canvas(Image& picture, const Lettering& lettering);

    // Paints `shape` with `paint`; `softness` is the width of the edge's
    // fade in page units (the default is about one texel: anti-aliasing).
    void Fill(const Shape& shape, const Paint& paint, float opacity = 1, float softness = kTexel);
    void FillAll(const Paint& paint);
    // A lit ball with a highlight, lying on a soft shadow.
    void Sphere(float cx, float cy, float radius, Color base);
    // Letters `text` centred in `box`, `maxEm` page units to the em or
    // smaller where it would not fit.
    void Text(const std::string& text, Rect box, float maxEm, const TextStyle& style);
    // The largest em, up to `maxEm`, with which `text` fits inside `box`.
    float FitText(const std::string& text, Rect box, float maxEm) const;

    static constexpr float kTexel = 3.5f;  // a texel is 4 page units wide, 3 tall

private:
    Image& picture_;
    const Lettering& lettering_;
};
