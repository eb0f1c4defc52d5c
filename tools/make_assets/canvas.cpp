#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "shading.h"

namespace {

constexpr float kUnitsX = kPageWidth / 256.0f, kUnitsY = kPageHeight / 256.0f;
// Glyphs are drawn this much narrower than tall so they look right once the
// picture is stretched 4:3 wider.
constexpr float kGlyphWidthScale = kUnitsY / kUnitsX;

}  // namespace

Shape RoundedBox(Rect box, float radius)
{
    return [=](float x, float y) {
        const float qx = std::fabs(x - box.CenterX()) - ((box.x2 - box.x1) / 2 - radius);
        const float qy = std::fabs(y - box.CenterY()) - ((box.y2 - box.y1) / 2 - radius);
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Ellipse(float cx, float cy, float rx, float ry)
{
    return [=](float x, float y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * std::min(rx, ry); };
}

Paint Solid(Color color)
{
    return [=](float, float) { return color; };
}

Paint VerticalGradient(float y1, Color top, float y2, Color bottom)
{
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y1) / (y2 - y1), 0.0f, 1.0f)); };
}

Canvas::Canvas(Image& picture, const Lettering& lettering) : picture_(picture), lettering_(lettering) {}

void Canvas::Fill(const Shape& shape, const Paint& paint, float opacity, float softness)
{
    for (int py = 0; py < picture_.Height(); ++py)
        for (int px = 0; px < picture_.Width(); ++px) {
            const float x = (px + 0.5f) * kUnitsX, y = (py + 0.5f) * kUnitsY;
            const float cover = std::clamp(0.5f - shape(x, y) / softness, 0.0f, 1.0f);
            if (cover > 0)
                picture_.Blend(px, py, paint(x, y), cover * opacity);
        }
}

void Canvas::FillAll(const Paint& paint)
{
    Fill([](float, float) { return -1e9f; }, paint);
}

void Canvas::Sphere(float cx, float cy, float radius, Color base)
{
    Fill(Ellipse(cx + radius * 0.25f, cy + radius * 0.85f, radius * 0.95f, radius * 0.35f), Solid(Hex(0x000000)),
         0.45f, radius * 0.6f);
    Fill(Circle(cx, cy, radius), [=](float x, float y) { return ShadeSphere(base, (x - cx) / radius, (y - cy) / radius); });
}

float Canvas::FitText(const std::string& text, Rect box, float maxEm) const
{
    const float width = (box.x2 - box.x1) / kUnitsX, height = (box.y2 - box.y1) / kUnitsY;
    float em = maxEm;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const Mask ink = lettering_.Render(text, em / kUnitsY, kGlyphWidthScale);
        const float scale = std::min(width / ink.Width(), height / ink.Height());
        if (scale >= 1)
            break;
        em *= std::min(scale, 0.98f);
    }
    return em;
}

void Canvas::Text(const std::string& text, Rect box, float maxEm, const TextStyle& style)
{
    const int margin = static_cast<int>(std::ceil(style.outlineWidth)) + 4;
    const float em = FitText(text, box, maxEm);
    const Mask ink = lettering_.Render(text, em / kUnitsY, kGlyphWidthScale).Padded(margin);
    const int left = static_cast<int>(std::lround(box.CenterX() / kUnitsX - ink.Width() / 2.0f));
    const int top = static_cast<int>(std::lround(box.CenterY() / kUnitsY - ink.Height() / 2.0f));
    auto stamp = [&](const Mask& mask, int dx, int dy, const std::function<Color(int row)>& color, float opacity) {
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x)
                picture_.Blend(left + x + dx, top + y + dy, color(y), mask.At(x, y) * opacity);
    };
    const Mask outline = style.outlineWidth > 0 ? ink.Grown(style.outlineWidth) : ink;
    if (style.shadowOpacity > 0)
        stamp(outline.Blurred(1), 1, 1, [](int) { return Color{}; }, style.shadowOpacity);
    if (style.outlineWidth > 0)
        stamp(outline, 0, 0, [&](int) { return style.outline; }, 1);
    const float inkTop = margin, inkHeight = ink.Height() - 2.0f * margin;
    stamp(ink, 0, 0, [&](int row) {
        return Mix(style.top, style.bottom, std::clamp((row + 0.5f - inkTop) / inkHeight, 0.0f, 1.0f));
    }, 1);
}
