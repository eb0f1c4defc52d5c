#include "batch.h"

#include <cstddef>

#include "atlas.h"
#include "es2.h"

namespace gl1 {

namespace {

enum : GLuint { kPositionAttribute = 0, kColorAttribute = 1, kTexCoordAttribute = 2, kSourceAttribute = 3 };
// Texture units: the game's textures in 0 and 1, the bitmap atlas in 2.
const int kGameUnits = 2;
const int kAtlasUnit = 2;
const float kFromAtlas = 3.0f;
const unsigned kUnknown = ~0u;

const char* const kVertexShader =
    "#version 100\n"
    "attribute vec4 position;\n"
    "attribute vec4 color;\n"
    "attribute vec2 texCoord;\n"
    "attribute float source;\n"
    "varying vec4 vColor;\n"
    "varying vec2 vTexCoord;\n"
    "varying float vSource;\n"
    "void main() {\n"
    "  gl_Position = position;\n"
    "  vColor = color;\n"
    "  vTexCoord = texCoord;\n"
    "  vSource = source;\n"
    "}\n";

// Source 0: the colour; 1 and 2: GL 1.1's texture environment MODULATE
// with the texture in unit 0 or 1; 3: a bitmap's pixel in the raster colour.
const char* const kFragmentShader =
    "#version 100\n"
    "#ifdef GL_FRAGMENT_PRECISION_HIGH\n"
    "precision highp float;\n"
    "#else\n"
    "precision mediump float;\n"
    "#endif\n"
    "uniform sampler2D picture0;\n"
    "uniform sampler2D picture1;\n"
    "uniform sampler2D atlas;\n"
    "varying vec4 vColor;\n"
    "varying vec2 vTexCoord;\n"
    "varying float vSource;\n"
    "void main() {\n"
    "  vec3 texel0 = texture2D(picture0, vTexCoord).rgb;\n"
    "  vec3 texel1 = texture2D(picture1, vTexCoord).rgb;\n"
    "  float bit = texture2D(atlas, vTexCoord).a;\n"
    "  if (vSource > 2.5 && bit < 0.5) discard;\n"
    "  vec3 texel = vSource < 0.5 || vSource > 2.5 ? vec3(1.0) : vSource < 1.5 ? texel0 : texel1;\n"
    "  gl_FragColor = vec4(vColor.rgb * texel, vColor.a);\n"
    "}\n";

struct Pending {
    Shape shape = Shape::kTriangles;
    unsigned units[kGameUnits] = {kUnknown, kUnknown};  // kUnknown: free
    int atlasPage = -1;
    std::vector<Vertex> vertices;

    void Start(Shape s) {
        shape = s;
        units[0] = units[1] = kUnknown;
        atlasPage = -1;
    }
    // The source value for `texture`, taking a free unit; 0 when both hold others.
    float Unit(unsigned texture) {
        for (int u = 0; u < kGameUnits; ++u)
            if (units[u] == texture || units[u] == kUnknown) {
                units[u] = texture;
                return static_cast<float>(u + 1);
            }
        return 0.0f;
    }
};

struct Objects {
    GLuint program = 0;
    GLuint buffer = 0;
    unsigned bound[kAtlasUnit + 1] = {kUnknown, kUnknown, kUnknown};
    int activeUnit = -1;
};

Pending& Batched() {
    static Pending pending;
    return pending;
}

Objects& Made() {
    static Objects objects;
    return objects;
}

GLuint Compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

void Attribute(GLuint index, GLint size, size_t offset) {
    glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(offset));
    glEnableVertexAttribArray(index);
}

// The program and buffer, made in the context at its first draw.
Objects& Ready() {
    Objects& o = Made();
    if (o.program) return o;
    o.program = glCreateProgram();
    const GLuint vertex = Compile(GL_VERTEX_SHADER, kVertexShader);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
    glAttachShader(o.program, vertex);
    glAttachShader(o.program, fragment);
    glBindAttribLocation(o.program, kPositionAttribute, "position");
    glBindAttribLocation(o.program, kColorAttribute, "color");
    glBindAttribLocation(o.program, kTexCoordAttribute, "texCoord");
    glBindAttribLocation(o.program, kSourceAttribute, "source");
    glLinkProgram(o.program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    glUseProgram(o.program);
    glUniform1i(glGetUniformLocation(o.program, "picture0"), 0);
    glUniform1i(glGetUniformLocation(o.program, "picture1"), 1);
    glUniform1i(glGetUniformLocation(o.program, "atlas"), kAtlasUnit);
    glGenBuffers(1, &o.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, o.buffer);
    Attribute(kPositionAttribute, 4, offsetof(Vertex, x));
    Attribute(kColorAttribute, 4, offsetof(Vertex, r));
    Attribute(kTexCoordAttribute, 2, offsetof(Vertex, s));
    Attribute(kSourceAttribute, 1, offsetof(Vertex, source));
    return o;
}

// Also leaves `unit` active, for the texture calls that follow.
void BindReal(Objects& o, int unit, unsigned texture) {
    if (o.activeUnit != unit) {
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        o.activeUnit = unit;
    }
    if (o.bound[unit] == texture) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    o.bound[unit] = texture;
}

}  // namespace

std::vector<Vertex>& Batch(Shape shape, float* source) {
    State& s = Current();
    Pending& p = Batched();
    if (!p.vertices.empty() && p.shape != shape) SendBatch();
    if (p.vertices.empty()) p.Start(shape);
    *source = s.texture2D ? p.Unit(s.texture) : 0.0f;
    if (s.texture2D && *source == 0.0f) {
        SendBatch();
        p.Start(shape);
        *source = p.Unit(s.texture);
    }
    return p.vertices;
}

void SendBatch() {
    Pending& p = Batched();
    if (p.vertices.empty()) return;
    Objects& o = Ready();
    for (int u = 0; u < kGameUnits; ++u)
        if (p.units[u] != kUnknown) BindReal(o, u, p.units[u]);
    if (p.atlasPage >= 0) BindReal(o, kAtlasUnit, AtlasTexture(p.atlasPage));
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(p.vertices.size() * sizeof(Vertex)), p.vertices.data(),
                 GL_STREAM_DRAW);
    glDrawArrays(p.shape == Shape::kLines ? GL_LINES : GL_TRIANGLES, 0, static_cast<GLsizei>(p.vertices.size()));
    p.vertices.clear();
}

unsigned MakeMaskTexture(int width, int height, const unsigned char* bytes) {
    SendBatch();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    BindReal(Made(), 0, texture);
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, width, height, 0, GL_ALPHA, GL_UNSIGNED_BYTE, bytes);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return texture;
}

void UpdateMaskTexture(unsigned texture, int x, int y, int width, int height, const unsigned char* bytes) {
    SendBatch();
    BindReal(Made(), 0, texture);
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, width, height, GL_ALPHA, GL_UNSIGNED_BYTE, bytes);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

void DeleteTexture(unsigned texture) {
    SendBatch();
    Objects& o = Made();
    for (unsigned& bound : o.bound)
        if (bound == texture) bound = kUnknown;
    const GLuint name = texture;
    glDeleteTextures(1, &name);
}

void DrawMask(int page, int x, int y, int width, int height, int wx, int wy, float depth, const Vec4& color) {
    Pending& p = Batched();
    if (!p.vertices.empty() && (p.shape != Shape::kTriangles || (p.atlasPage >= 0 && p.atlasPage != page)))
        SendBatch();
    if (p.vertices.empty()) p.Start(Shape::kTriangles);
    p.atlasPage = page;
    // Window pixels to device coordinates through the viewport; depth from
    // window [0, 1] back to [-1, 1].
    const int* v = Viewport();
    auto nx = [v](int px) { return 2.0f * static_cast<float>(px - v[0]) / static_cast<float>(v[2]) - 1.0f; };
    auto ny = [v](int py) { return 2.0f * static_cast<float>(py - v[1]) / static_cast<float>(v[3]) - 1.0f; };
    const float x0 = nx(wx), x1 = nx(wx + width), y0 = ny(wy), y1 = ny(wy + height), z = depth * 2.0f - 1.0f;
    const float s0 = static_cast<float>(x) / kAtlasSize, s1 = static_cast<float>(x + width) / kAtlasSize;
    const float t0 = static_cast<float>(y) / kAtlasSize, t1 = static_cast<float>(y + height) / kAtlasSize;
    auto corner = [&](float cx, float cy, float s, float t) {
        return Vertex{cx, cy, z, 1, color.x, color.y, color.z, color.w, s, t, kFromAtlas};
    };
    const Vertex a = corner(x0, y0, s0, t0), b = corner(x1, y0, s1, t0), c = corner(x1, y1, s1, t1),
                 d = corner(x0, y1, s0, t1);
    p.vertices.insert(p.vertices.end(), {a, b, c, a, c, d});
}

void BindGameTexture() {
    SendBatch();
    BindReal(Made(), 0, Current().texture);
}

void ForgetDrawObjects() {
    Batched().vertices.clear();
    Made() = Objects();
    ForgetAtlas();
}

}  // namespace gl1
