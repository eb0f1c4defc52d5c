#include "pages.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "canvas.h"
#include "noise.h"
#include "palette.h"

namespace {

// Labels of the options page's choices, from the values they choose. Thin
// spaces around the times sign keep the longest label readable.
std::string SizeLabel(const ScreenSizeChoice& c)
{
    return std::to_string(c.width) + "\u2009×\u2009" + std::to_string(c.height);
}
std::string DepthLabel(const ColourDepthChoice& c)
{
    return std::to_string(c.bits) + " bits";
}

constexpr float kTau = 6.2831853f;

// The colours every page shares.
const Color kForestTop = Hex(0x14462f), kForestBottom = Hex(0x061a12);
const Color kGoldTop = Hex(0xfff0a0), kGoldBottom = Hex(0xe0901a), kInk = Hex(0x2a1606);
const Color kCream = Hex(0xf4ecd2), kLeaf = Hex(0x2f8a4f), kLeafDark = Hex(0x174d2c);

const TextStyle kTitleStyle{kGoldTop, kGoldBottom, kInk, 1.6f, 0.7f};
const TextStyle kCreamStyle{kCream, Hex(0xd8cba0), Hex(0x0b2616), 1.0f, 0.5f};
const TextStyle kDarkLabel{Hex(0x163a22), Hex(0x0c2214), {}, 0, 0};

// A gradient sky with a soft light behind the middle and a dark rim.
void Backdrop(Canvas& canvas, Color top, Color bottom, Color glow, float glowX, float glowY)
{
    canvas.FillAll(VerticalGradient(0, top, kPageHeight, bottom));
    canvas.Fill(Ellipse(glowX, glowY, 520, 360), Solid(glow), 0.35f, 520);
    canvas.Fill([](float x, float y) {
        const float dx = (x - 512) / 512, dy = (y - 384) / 384;
        return 1.25f - std::hypot(dx, dy);
    }, Solid(Color{}), 0.5f, 0.6f);
    // Faint blotches of light so that the large areas are not flat.
    for (int i = 0; i < 40; ++i) {
        const float x = Hash01(i, 0, 5) * kPageWidth, y = Hash01(i, 1, 5) * kPageHeight;
        canvas.Fill(Circle(x, y, 20 + 60 * Hash01(i, 2, 5)), Solid(Hex(0xffffff)), 0.025f, 30);
    }
}

// A snake of spheres along `path` (head first), as the game draws it: a red
// head and green body.
void Snake(Canvas& canvas, const std::vector<std::pair<float, float>>& path, float radius)
{
    for (size_t i = path.size(); i-- > 0;) {
        const float taper = 1 - 0.25f * i / path.size();
        canvas.Sphere(path[i].first, path[i].second, radius * taper, i == 0 ? kSnakeHead : kSnakeBody);
    }
    // Eyes on the head, looking along the first step of the path.
    const float hx = path[0].first, hy = path[0].second;
    const float dx = hx - path[1].first, dy = hy - path[1].second, len = std::hypot(dx, dy);
    const float fx = dx / len, fy = dy / len;
    for (float side : {-1.0f, 1.0f}) {
        const float ex = hx + fx * radius * 0.35f - fy * side * radius * 0.42f;
        const float ey = hy + fy * radius * 0.35f + fx * side * radius * 0.42f - radius * 0.2f;
        canvas.Fill(Circle(ex, ey, radius * 0.2f), Solid(Hex(0xffffff)));
        canvas.Fill(Circle(ex + fx * radius * 0.07f, ey + fy * radius * 0.07f, radius * 0.1f), Solid(Hex(0x101010)));
    }
}

// Sphere centres along a sine wave, from the head at (x, y) back to the left.
std::vector<std::pair<float, float>> Wave(float x, float y, int count, float step, float amplitude, float phase)
{
    std::vector<std::pair<float, float>> path;
    for (int i = 0; i < count; ++i) {
        const float px = x - i * step;
        path.push_back({px, y + amplitude * std::sin(phase + px / 130)});
    }
    return path;
}

// A push button filling `area`: a rounded, shaded plate carrying its label.
void Button(Canvas& canvas, Rect area, const std::string& label, Color top, Color bottom, const TextStyle& text,
            float labelEm)
{
    const float radius = std::min(12.0f, (area.y2 - area.y1) / 2);
    canvas.Fill(RoundedBox(area, radius), VerticalGradient(area.y1, top, area.y2, bottom));
    // A glassy highlight over the upper half, then a dark rim.
    const Rect upper{area.x1 + 6, area.y1 + 3, area.x2 - 6, area.CenterY()};
    canvas.Fill(RoundedBox(upper, std::min(radius, (upper.y2 - upper.y1) / 2)), Solid(Hex(0xffffff)), 0.22f);
    canvas.Fill([&](float x, float y) { return std::fabs(RoundedBox(area, radius)(x, y) + 1.5f) - 1.5f; },
                Solid(bottom * 0.45f), 0.9f);
    canvas.Text(label, area.Inset(14, 5), labelEm, text);
}

void GoldButton(Canvas& canvas, Rect area, const std::string& label)
{
    Button(canvas, area, label, Hex(0xffe38a), Hex(0xd98c1c), kDarkLabel, 32);
}

void Title(Canvas& canvas, Rect box)
{
    canvas.Text("TRAMOX", box, 400, kTitleStyle);
}

}  // namespace

Image MakeStartPage(const Lettering& lettering)
{
    Image picture(256, 256);
    Canvas canvas(picture, lettering);
    Backdrop(canvas, kForestTop, kForestBottom, Hex(0x6fd08a), 512, 250);
    Title(canvas, {90, 90, 934, 330});
    Snake(canvas, Wave(760, 470, 13, 46, 40, 0.6f), 34);
    canvas.Sphere(880, 455, 30, kFood);
    canvas.Text("Eat, grow, and never bite your own tail", {90, 620, 934, 680}, 44, kCreamStyle);
    return picture;
}

Image MakeMainPage(const Lettering& lettering)
{
    Image picture(256, 256);
    Canvas canvas(picture, lettering);
    Backdrop(canvas, kForestTop, kForestBottom, Hex(0x6fd08a), 340, 300);
    Title(canvas, {40, 110, 640, 300});
    Snake(canvas, Wave(560, 470, 11, 44, 45, 2.0f), 33);
    canvas.Sphere(640, 560, 28, kFood);
    canvas.Text("Arrow keys steer  ·  Esc leaves the game", {40, 660, 640, 710}, 34, kCreamStyle);
    GoldButton(canvas, Area(kPlayButton), "PLAY");
    GoldButton(canvas, Area(kOptionsButton), "OPTIONS");
    Button(canvas, Area(kQuitButton), "QUIT", Hex(0xf6a58a), Hex(0xc0452a), kDarkLabel, 32);
    return picture;
}

Image MakeOptionsPage(const Lettering& lettering)
{
    Image picture(256, 256);
    Canvas canvas(picture, lettering);
    Backdrop(canvas, kForestTop, kForestBottom, Hex(0x6fd08a), 512, 420);
    // A light card behind the choices, so that the game's blue outline
    // around the current ones stands out; the plates keep clear of it.
    const Rect card{110, 6, 940, 222};
    canvas.Fill(RoundedBox(card.Inset(-4, -4), 22), Solid(Color{}), 0.35f, 14);
    canvas.Fill(RoundedBox(card, 18), VerticalGradient(card.y1, kCream, card.y2, Hex(0xe3d6b0)));
    const TextStyle caption{kLeafDark, kLeafDark, {}, 0, 0};
    canvas.Text("SCREEN SIZE", {150, 12, 900, 46}, 28, caption);
    canvas.Text("COLOUR DEPTH", {150, 112, 900, 146}, 28, caption);
    const TextStyle label{kCream, Hex(0xe6dcc0), {}, 0, 0};
    auto plates = [&](const auto& choices, auto labelOf) {
        float em = 30;
        for (const auto& choice : choices)
            em = std::min(em, canvas.FitText(labelOf(choice), Area(choice.rect).Inset(11, 12), 32));
        for (const auto& choice : choices) {
            const Rect plate = Area(choice.rect).Inset(6, 5);
            canvas.Fill(RoundedBox(plate, 10), VerticalGradient(plate.y1, kLeaf, plate.y2, kLeafDark));
            canvas.Fill(RoundedBox(plate.Inset(4, 2), 8), Solid(Hex(0xffffff)), 0.08f);
            canvas.Text(labelOf(choice), plate, em, label);
        }
    };
    plates(kScreenSizeChoices, SizeLabel);
    plates(kColourDepthChoices, DepthLabel);
    Title(canvas, {262, 300, 762, 470});
    canvas.Text("Your choices take effect the next time the game starts", {90, 500, 934, 550}, 34, kCreamStyle);
    GoldButton(canvas, Area(kBackButton), "BACK");
    return picture;
}

Image MakeGameOverPage(const Lettering& lettering)
{
    Image picture(256, 256);
    Canvas canvas(picture, lettering);
    Backdrop(canvas, Hex(0x4a0d0d), Hex(0x120303), Hex(0xff5a3a), 512, 330);
    canvas.Text("GAME OVER", {70, 120, 954, 360}, 400, {Hex(0xffffff), Hex(0xffb0a0), Hex(0x3a0606), 1.6f, 0.8f});
    // The snake coiled round, its head biting into its own body.
    std::vector<std::pair<float, float>> coil;
    for (int i = 0; i < 14; ++i) {
        const float angle = 0.4f + i * kTau / 13.5f;
        coil.push_back({512 + 150 * std::cos(angle), 540 + 90 * std::sin(angle)});
    }
    Snake(canvas, coil, 32);
    canvas.Text("The snake bit itself", {200, 670, 824, 730}, 44, kCreamStyle);
    return picture;
}

Image MakeCongratulationsPage(const Lettering& lettering)
{
    Image picture(256, 256);
    Canvas canvas(picture, lettering);
    Backdrop(canvas, kForestTop, kForestBottom, Hex(0xffd860), 512, 330);
    // Sun rays behind the lettering.
    canvas.Fill([](float x, float y) {
        const float angle = std::atan2(y - 330, x - 512);
        return 30 * std::sin(angle * 12);
    }, Solid(Hex(0xffe27a)), 0.12f, 30);
    canvas.Text("CONGRATULATIONS", {50, 180, 974, 320}, 400, kTitleStyle);
    canvas.Text("You finished all ten levels!", {120, 360, 904, 430}, 60, kCreamStyle);
    // One golden ball for each level won.
    for (int level = 0; level < 10; ++level)
        canvas.Sphere(152 + level * 80, 560, 28, Hex(0xf2b632));
    Snake(canvas, Wave(900, 680, 14, 50, 22, 0.0f), 26);
    return picture;
}
