#include "batch.h"

#include <cstddef>

#include "es2.h"

namespace gl1 {

namespace {

enum : GLint { kColorOnly = 0, kModulate = 1, kMask = 2 };
enum : GLuint { kPositionAttribute = 0, kColorAttribute = 1, kTexCoordAttribute = 2 };

const char* const kVertexShader =
    "#version 100\n"
    "attribute vec4 position;\n"
    "attribute vec4 color;\n"
    "attribute vec2 texCoord;\n"
    "uniform mat4 projection;\n"
    "varying vec4 vColor;\n"
    "varying vec2 vTexCoord;\n"
    "void main() {\n"
    "  gl_Position = projection * position;\n"
    "  vColor = color;\n"
    "  vTexCoord = texCoord;\n"
    "}\n";

// GL 1.1's texture environment MODULATE on RGB textures, and the bitmap's
// pixels in the raster colour.
const char* const kFragmentShader =
    "#version 100\n"
    "#ifdef GL_FRAGMENT_PRECISION_HIGH\n"
    "precision highp float;\n"
    "#else\n"
    "precision mediump float;\n"
    "#endif\n"
    "uniform sampler2D picture;\n"
    "uniform int mode;\n"
    "varying vec4 vColor;\n"
    "varying vec2 vTexCoord;\n"
    "void main() {\n"
    "  if (mode == 0) {\n"
    "    gl_FragColor = vColor;\n"
    "  } else if (mode == 1) {\n"
    "    gl_FragColor = vec4(vColor.rgb * texture2D(picture, vTexCoord).rgb, vColor.a);\n"
    "  } else {\n"
    "    if (texture2D(picture, vTexCoord).a < 0.5) discard;\n"
    "    gl_FragColor = vColor;\n"
    "  }\n"
    "}\n";

struct Pending {
    Shape shape = Shape::kTriangles;
    bool textured = false;
    unsigned texture = 0;
    unsigned projectionVersion = 0;
    Mat4 projection = Mat4::Identity();
    std::vector<Vertex> vertices;
};

struct Objects {
    GLuint program = 0;
    GLuint buffer = 0;
    GLint projection = -1, mode = -1;
    GLint currentMode = -1;
    unsigned boundTexture = 0;
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
    glLinkProgram(o.program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    glUseProgram(o.program);
    o.projection = glGetUniformLocation(o.program, "projection");
    o.mode = glGetUniformLocation(o.program, "mode");
    glUniform1i(glGetUniformLocation(o.program, "picture"), 0);
    glGenBuffers(1, &o.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, o.buffer);
    const GLsizei stride = sizeof(Vertex);
    glVertexAttribPointer(kPositionAttribute, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, x)));
    glVertexAttribPointer(kColorAttribute, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, r)));
    glVertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(offsetof(Vertex, s)));
    glEnableVertexAttribArray(kPositionAttribute);
    glEnableVertexAttribArray(kColorAttribute);
    glEnableVertexAttribArray(kTexCoordAttribute);
    return o;
}

void BindReal(Objects& o, unsigned texture) {
    if (o.boundTexture == texture) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    o.boundTexture = texture;
}

void Draw(Objects& o, GLenum shape, GLint mode, const Mat4& projection, const std::vector<Vertex>& vertices) {
    if (o.currentMode != mode) {
        glUniform1i(o.mode, mode);
        o.currentMode = mode;
    }
    glUniformMatrix4fv(o.projection, 1, GL_FALSE, projection.m);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
                 GL_STREAM_DRAW);
    glDrawArrays(shape, 0, static_cast<GLsizei>(vertices.size()));
}

}  // namespace

std::vector<Vertex>& Batch(Shape shape) {
    State& s = Current();
    Pending& p = Batched();
    const unsigned texture = s.texture2D ? s.texture : 0;
    if (!p.vertices.empty() && (p.shape != shape || p.textured != s.texture2D || p.texture != texture ||
                                p.projectionVersion != s.projectionVersion))
        SendBatch();
    if (p.vertices.empty()) {
        p.shape = shape;
        p.textured = s.texture2D;
        p.texture = texture;
        p.projectionVersion = s.projectionVersion;
        p.projection = s.projection.Top();
    }
    return p.vertices;
}

void SendBatch() {
    Pending& p = Batched();
    if (p.vertices.empty()) return;
    Objects& o = Ready();
    if (p.textured) BindReal(o, p.texture);
    Draw(o, p.shape == Shape::kLines ? GL_LINES : GL_TRIANGLES, p.textured ? kModulate : kColorOnly, p.projection,
         p.vertices);
    p.vertices.clear();
}

unsigned MakeMaskTexture(int width, int height, const unsigned char* bytes) {
    SendBatch();
    Objects& o = Made();
    GLuint texture = 0;
    glGenTextures(1, &texture);
    BindReal(o, texture);
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

void DeleteTexture(unsigned texture) {
    if (!texture) return;
    SendBatch();
    Objects& o = Made();
    if (o.boundTexture == texture) o.boundTexture = 0;
    const GLuint name = texture;
    glDeleteTextures(1, &name);
}

void DrawMask(unsigned texture, int x, int y, int width, int height, float depth, const Vec4& color) {
    SendBatch();
    State& s = Current();
    // Window pixels to device coordinates through the viewport; depth from
    // window [0, 1] back to [-1, 1].
    auto nx = [&s](int wx) { return 2.0f * static_cast<float>(wx - s.viewport[0]) / static_cast<float>(s.viewport[2]) - 1.0f; };
    auto ny = [&s](int wy) { return 2.0f * static_cast<float>(wy - s.viewport[1]) / static_cast<float>(s.viewport[3]) - 1.0f; };
    const float x0 = nx(x), x1 = nx(x + width), y0 = ny(y), y1 = ny(y + height), z = depth * 2.0f - 1.0f;
    const Vertex corner[4] = {{x0, y0, z, 1, color.x, color.y, color.z, color.w, 0, 0},
                              {x1, y0, z, 1, color.x, color.y, color.z, color.w, 1, 0},
                              {x1, y1, z, 1, color.x, color.y, color.z, color.w, 1, 1},
                              {x0, y1, z, 1, color.x, color.y, color.z, color.w, 0, 1}};
    std::vector<Vertex>& quad = Batched().vertices;  // empty after the send above
    quad.assign({corner[0], corner[1], corner[2], corner[0], corner[2], corner[3]});
    Objects& o = Ready();
    BindReal(o, texture);
    Draw(o, GL_TRIANGLES, kMask, Mat4::Identity(), quad);
    quad.clear();
}

void BindGameTexture() {
    SendBatch();
    BindReal(Made(), Current().texture);
}

void ForgetDrawObjects() {
    Batched().vertices.clear();
    Made() = Objects();
}

}  // namespace gl1
