// Calls the game makes in ways a whole-program run does not show: each case
// draws through Mesa and through the layer, on a small off-screen window,
// and the two pictures and answers must agree.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fixed_function.h"
#include "gl1.h"
#include "headless_world.h"
#include "proc.h"

namespace {

const int kWidth = 96, kHeight = 72;

struct Drawn {
    platform::Frame frame;
    std::vector<double> answers;  // what the case read back through the calls
};

// The case's calls through Mesa (layer false) or the layer, on a perspective
// view with depth test, lighting off; what it reads back goes to `answers`.
Drawn Draw(bool layer, const std::function<void(std::vector<double>&)>& scene) {
    gl1::UseFixedFunction(layer ? nullptr : &MesaFixedFunction());
    gl1::NewContext();
    Drawn drawn;
    {
        HeadlessWorld world(kWidth, kHeight);
        gl1MatrixMode(GL_PROJECTION);
        gl1LoadIdentity();
        gl1uPerspective(60.0, static_cast<double>(kWidth) / kHeight, 1.0, 100.0);
        gl1MatrixMode(GL_MODELVIEW);
        gl1LoadIdentity();
        gl1Enable(GL_DEPTH_TEST);
        gl1DepthFunc(GL_LEQUAL);
        gl1Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene(drawn.answers);
        gl1Flush();
        SwapGLBuffers();
        drawn.frame = world.backend.LastFrame();
    }
    gl1::UseFixedFunction(nullptr);
    return drawn;
}

void Corner(float r, float g, float b, float x, float y) {
    gl1Color3f(r, g, b);
    gl1Vertex3d(x, y, -4.0);
}

// One primitive of each kind the layer cuts up, with a colour per vertex.
void Primitives(std::vector<double>&) {
    const unsigned modes[] = {GL_QUADS, GL_QUAD_STRIP, GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN, GL_POLYGON, GL_LINE_STRIP, GL_LINE_LOOP};
    float x = -2.2f;
    for (unsigned mode : modes) {
        gl1Begin(mode);
        Corner(1, 0, 0, x, -1);
        Corner(0, 1, 0, x + 0.5f, -1);
        Corner(0, 0, 1, x, 0.5f);
        Corner(1, 1, 0, x + 0.6f, 0.9f);
        Corner(0, 1, 1, x + 0.2f, 1.4f);
        Corner(1, 0, 1, x + 0.55f, 1.6f);
        gl1End();
        x += 0.65f;
    }
}

// Light 0 as the game sets it up, plus what it never does: a scaled
// modelview (normals are not normalised), a light at infinity, and colour
// material switched off (the material keeps the last colour).
void LitSpheres(std::vector<double>&) {
    gl1Enable(GL_LIGHTING);
    gl1Enable(GL_LIGHT0);
    gl1Enable(GL_COLOR_MATERIAL);
    gl1ColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    const float point[4] = {-2, 2, 0, 1}, infinity[4] = {1, 1, 1, 0};
    gl1Lightfv(GL_LIGHT0, GL_POSITION, point);
    GLUquadric* quadric = gl1uNewQuadric();
    gl1Color3f(1, 0.5f, 0);
    gl1PushMatrix();
    gl1Translatef(-1.2f, 0, -5);
    gl1uSphere(quadric, 0.8, 8, 8);
    gl1Scalef(0.5f, 0.5f, 0.5f);
    gl1Translatef(0, 2.6f, 0);
    gl1uSphere(quadric, 0.8, 12, 6);
    gl1PopMatrix();
    gl1Lightfv(GL_LIGHT0, GL_POSITION, infinity);
    gl1Disable(GL_COLOR_MATERIAL);
    gl1Color3f(0, 0, 1);
    gl1PushMatrix();
    gl1Translated(1.2, -0.2, -5);
    gl1Rotated(30, 1, 1, 0);
    gl1uSphere(quadric, 0.9, 8, 8);
    gl1PopMatrix();
    gl1uDeleteQuadric(quadric);
}

// A list compiled and drawn at once, nested calls with matrices, a list
// compiled again under its old name, and names handed out after a deletion
// (any unused ones: Mesa's are not the layer's) compiled and called.
void Lists(std::vector<double>&) {
    const unsigned base = gl1GenLists(3);
    gl1NewList(base, GL_COMPILE_AND_EXECUTE);
    gl1Begin(GL_TRIANGLES);
    Corner(1, 0, 0, -2, -1);
    Corner(0, 1, 0, -1, -1);
    Corner(0, 0, 1, -1.5f, 0);
    gl1End();
    gl1EndList();
    gl1NewList(base + 1, GL_COMPILE);
    gl1Translatef(1.2f, 0, 0);
    gl1CallList(base);
    gl1EndList();
    gl1NewList(base + 2, GL_COMPILE);
    gl1CallList(base + 1);
    gl1CallList(base + 1);
    gl1EndList();
    gl1PushMatrix();
    gl1CallList(base + 2);
    gl1PopMatrix();
    gl1NewList(base, GL_COMPILE);
    gl1Color3f(1, 1, 1);
    gl1EndList();
    gl1CallList(base);
    gl1Begin(GL_LINES);
    gl1Vertex3d(-2, 1, -4);
    gl1Vertex3d(2, 1.2, -4);
    gl1End();
    gl1DeleteLists(base + 1, 1);
    const unsigned more = gl1GenLists(2);
    gl1NewList(more + 1, GL_COMPILE);
    gl1Translatef(0, -1, 0);
    gl1EndList();
    gl1CallList(more + 1);
    gl1CallList(base + 2);
    gl1DeleteLists(more, 2);
    gl1DeleteLists(base, 3);
}

// Bitmaps outside lists and in them: byte rows and padded rows, the raster
// position lit, moved by each bitmap, and refused outside the view, where a
// bitmap neither draws nor moves it.
void Bitmaps(std::vector<double>&) {
    const GLubyte arrow[] = {0x18, 0x3C, 0x7E, 0xFF, 0x18, 0x18, 0x18, 0x18};
    const GLubyte wide[] = {0xF0, 0x0F, 0xAA, 0x00, 0x55, 0xFF, 0xAA, 0x00};  // 12 by 2, rows padded to 4 bytes
    gl1Color3f(1, 1, 0);
    gl1RasterPos2f(-2, 0);
    gl1Translatef(0, 0, -4);
    gl1RasterPos2f(-2, 0);
    gl1PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl1Bitmap(8, 8, 0, 0, 10, 1, arrow);
    gl1Bitmap(8, 8, 4, 4, 10, -3, arrow);
    gl1PixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl1Bitmap(12, 2, 0, 0, 14, 0, wide);
    gl1PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const unsigned list = gl1GenLists(1);
    gl1NewList(list, GL_COMPILE_AND_EXECUTE);
    gl1Bitmap(8, 8, 0, 0, 9, 0, arrow);
    gl1EndList();
    gl1ListBase(list - 'a');
    gl1CallLists(3, GL_UNSIGNED_BYTE, "aaa");
    gl1RasterPos2f(50, 0);  // outside: nothing below draws
    gl1CallLists(2, GL_UNSIGNED_BYTE, "aa");
    gl1Enable(GL_LIGHTING);
    gl1Enable(GL_LIGHT0);
    gl1Enable(GL_COLOR_MATERIAL);
    gl1Normal3f(0, 0.6f, 0.8f);
    gl1Color3f(0, 1, 1);
    gl1RasterPos2f(-1, -1);
    gl1CallLists(3, GL_UNSIGNED_BYTE, "aaa");
    gl1DeleteLists(list, 1);
}

// More bitmaps than one atlas page holds, some deleted and compiled again
// into the room they left, each with its own pattern; a few drawn apart.
void ManyBitmaps(std::vector<double>&) {
    const int kSide = 40, kCount = 400;  // three pages of 144
    std::vector<GLubyte> bits(5 * kSide);
    auto compile = [&bits](unsigned list, unsigned seed) {
        for (size_t k = 0; k < bits.size(); ++k) bits[k] = static_cast<GLubyte>((seed * 2654435761u + k * 40503u) >> 13);
        gl1NewList(list, GL_COMPILE);
        gl1Bitmap(kSide, kSide, 0, 0, 11, 7, bits.data());
        gl1EndList();
    };
    gl1PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const unsigned base = gl1GenLists(kCount);
    for (int i = 0; i < kCount; ++i) compile(base + i, i);
    gl1DeleteLists(base, 150);
    for (int i = 0; i < 20; ++i) compile(base + i, 1000 + i);
    gl1Translatef(0, 0, -4);
    gl1Color3f(1, 0.5f, 0.2f);
    gl1RasterPos2f(-2.2f, -1.6f);
    for (unsigned i : {3u, 150u, 290u, 300u, 399u, 19u}) gl1CallList(base + i);
    gl1DeleteLists(base, kCount);
}

// Textures modulated by the colour, with both filters, repeating beyond
// [0, 1], and the matrices as GL reports them.
void TexturesAndMatrices(std::vector<double>& answers) {
    std::vector<GLubyte> texels(16 * 16 * 3);
    for (size_t i = 0; i < texels.size(); ++i) texels[i] = static_cast<GLubyte>(i * 37 % 251);
    GLuint textures[2];
    gl1GenTextures(2, textures);
    gl1Enable(GL_TEXTURE_2D);
    for (int t = 0; t < 2; ++t) {
        gl1BindTexture(GL_TEXTURE_2D, textures[t]);
        gl1TexImage2D(GL_TEXTURE_2D, 0, 3, 16, 16, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
        gl1TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, t ? GL_LINEAR : GL_NEAREST);
        gl1TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, t ? GL_LINEAR : GL_NEAREST);
        gl1Color3d(1, 0.8, 0.6);
        gl1Begin(GL_QUADS);
        const float x = t ? 0.1f : -2.1f;
        gl1TexCoord2f(-0.5f, -0.25f);
        gl1Vertex3d(x, -1, -4);
        gl1TexCoord2d(1.5, -0.25);
        gl1Vertex3d(x + 2, -1, -4.5);
        gl1TexCoord2f(1.5f, 1.25f);
        gl1Vertex3d(x + 2, 1.2, -5);
        gl1TexCoord2f(-0.5f, 1.25f);
        gl1Vertex3d(x, 1.2, -4);
        gl1End();
    }
    gl1Disable(GL_TEXTURE_2D);
    gl1DeleteTextures(2, textures);
    gl1Rotated(-45, 1, 0, 0);
    gl1Translated(3, -2, 1);
    gl1Scalef(2, 1, 0.5f);
    double m[16];
    for (unsigned name : {GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
        gl1GetDoublev(name, m);
        answers.insert(answers.end(), m, m + 16);
    }
}

struct Case {
    const char* name;
    void (*scene)(std::vector<double>&);
};

const Case kCases[] = {
    {"primitives", Primitives}, {"lit spheres", LitSpheres}, {"lists", Lists},
    {"bitmaps", Bitmaps},       {"many bitmaps", ManyBitmaps}, {"textures and matrices", TexturesAndMatrices},
};

TEST(CallsTest, EachCaseDrawsAndAnswersAsMesaDoes) {
    for (const Case& c : kCases) {
        const Drawn mesa = Draw(false, c.scene), layer = Draw(true, c.scene);
        int differing = 0, lit = 0;
        for (size_t i = 0; i + 3 < mesa.frame.rgba.size(); i += 4) {
            int worst = 0;
            for (size_t k = 0; k < 3; ++k)
                worst = std::max(worst, std::abs(int{mesa.frame.rgba[i + k]} - int{layer.frame.rgba[i + k]}));
            differing += worst > 2;
            lit += mesa.frame.rgba[i] + mesa.frame.rgba[i + 1] + mesa.frame.rgba[i + 2] > 0;
        }
        // A few edge pixels may round to the other side (see the whole-program test).
        EXPECT_LE(differing, kWidth * kHeight / 200) << c.name;
        EXPECT_GT(lit, 40) << c.name << ": Mesa drew next to nothing";
        ASSERT_EQ(layer.answers.size(), mesa.answers.size()) << c.name;
        for (size_t i = 0; i < mesa.answers.size(); ++i)
            EXPECT_NEAR(layer.answers[i], mesa.answers[i], 1e-5 * (1 + std::fabs(mesa.answers[i]))) << c.name << " #" << i;
    }
}

}  // namespace
