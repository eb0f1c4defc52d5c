// A renderer of exactly the OpenGL 1.1 and GLU calls the game makes, on the
// shader, buffer and texture calls of OpenGL ES 2.0 (WebGL 1).
//
// The game's sources are compiled with gl1_names.h forced in, which renames
// each call below, glBegin to gl1Begin and gluSphere to gl1uSphere, so their
// code stays plain GL 1.1. Types are spelt as the C types GL's own typedefs
// stand for, so that this header needs no GL header and the renamed
// declarations in <GL/gl.h> and <GL/glu.h> agree with it.
#pragma once

#ifdef __cplusplus
class GLUquadric;
#else
typedef struct GLUquadric GLUquadric;
#endif

// X(return type, name without the gl prefix, parameters, arguments).
#define GL1_GL_CALLS(X)                                                                                    \
    X(void, Begin, (unsigned mode), (mode))                                                                \
    X(void, End, (void), ())                                                                               \
    X(void, Vertex2i, (int x, int y), (x, y))                                                              \
    X(void, Vertex2f, (float x, float y), (x, y))                                                          \
    X(void, Vertex3d, (double x, double y, double z), (x, y, z))                                           \
    X(void, Color3f, (float r, float g, float b), (r, g, b))                                               \
    X(void, Color3d, (double r, double g, double b), (r, g, b))                                            \
    X(void, Normal3f, (float x, float y, float z), (x, y, z))                                              \
    X(void, TexCoord2f, (float s, float t), (s, t))                                                        \
    X(void, TexCoord2d, (double s, double t), (s, t))                                                      \
    X(void, Enable, (unsigned cap), (cap))                                                                 \
    X(void, Disable, (unsigned cap), (cap))                                                                \
    X(void, ShadeModel, (unsigned mode), (mode))                                                           \
    X(void, Hint, (unsigned target, unsigned mode), (target, mode))                                        \
    X(void, Lightfv, (unsigned light, unsigned name, const float* values), (light, name, values))          \
    X(void, ColorMaterial, (unsigned face, unsigned mode), (face, mode))                                   \
    X(void, MatrixMode, (unsigned mode), (mode))                                                           \
    X(void, LoadIdentity, (void), ())                                                                      \
    X(void, PushMatrix, (void), ())                                                                        \
    X(void, PopMatrix, (void), ())                                                                         \
    X(void, Translatef, (float x, float y, float z), (x, y, z))                                            \
    X(void, Translated, (double x, double y, double z), (x, y, z))                                         \
    X(void, Rotated, (double angle, double x, double y, double z), (angle, x, y, z))                       \
    X(void, Scalef, (float x, float y, float z), (x, y, z))                                                \
    X(void, GetDoublev, (unsigned name, double* values), (name, values))                                   \
    X(void, GetIntegerv, (unsigned name, int* values), (name, values))                                     \
    X(void, Viewport, (int x, int y, int width, int height), (x, y, width, height))                        \
    X(void, ClearColor, (float r, float g, float b, float a), (r, g, b, a))                                \
    X(void, ClearDepth, (double depth), (depth))                                                           \
    X(void, Clear, (unsigned mask), (mask))                                                                \
    X(void, DepthFunc, (unsigned func), (func))                                                            \
    X(void, Flush, (void), ())                                                                             \
    X(void, Finish, (void), ())                                                                            \
    X(void, GenTextures, (int n, unsigned* textures), (n, textures))                                       \
    X(void, DeleteTextures, (int n, const unsigned* textures), (n, textures))                              \
    X(void, BindTexture, (unsigned target, unsigned texture), (target, texture))                           \
    X(void, TexParameteri, (unsigned target, unsigned name, int value), (target, name, value))             \
    X(void, TexImage2D,                                                                                    \
      (unsigned target, int level, int internalFormat, int width, int height, int border, unsigned format, \
       unsigned type, const void* pixels),                                                                 \
      (target, level, internalFormat, width, height, border, format, type, pixels))                        \
    X(void, PixelStorei, (unsigned name, int value), (name, value))                                        \
    X(void, ReadPixels, (int x, int y, int width, int height, unsigned format, unsigned type, void* pixels), \
      (x, y, width, height, format, type, pixels))                                                         \
    X(unsigned, GenLists, (int range), (range))                                                            \
    X(void, DeleteLists, (unsigned list, int range), (list, range))                                        \
    X(void, NewList, (unsigned list, unsigned mode), (list, mode))                                         \
    X(void, EndList, (void), ())                                                                           \
    X(void, CallList, (unsigned list), (list))                                                             \
    X(void, CallLists, (int n, unsigned type, const void* lists), (n, type, lists))                        \
    X(void, ListBase, (unsigned base), (base))                                                             \
    X(void, RasterPos2f, (float x, float y), (x, y))                                                       \
    X(void, Bitmap,                                                                                        \
      (int width, int height, float xorig, float yorig, float xmove, float ymove, const unsigned char* bits), \
      (width, height, xorig, yorig, xmove, ymove, bits))

#define GL1_GLU_CALLS(X)                                                                                   \
    X(void, Perspective, (double fovy, double aspect, double zNear, double zFar), (fovy, aspect, zNear, zFar)) \
    X(GLUquadric*, NewQuadric, (void), ())                                                                 \
    X(void, DeleteQuadric, (GLUquadric * quadric), (quadric))                                              \
    X(void, Sphere, (GLUquadric * quadric, double radius, int slices, int stacks), (quadric, radius, slices, stacks))

#ifdef __cplusplus
#define GL1_DECLARE_GL(ret, name, params, args) ret gl1##name params;
#define GL1_DECLARE_GLU(ret, name, params, args) ret gl1u##name params;
extern "C" {
GL1_GL_CALLS(GL1_DECLARE_GL)
GL1_GLU_CALLS(GL1_DECLARE_GLU)
}
#undef GL1_DECLARE_GL
#undef GL1_DECLARE_GLU

namespace gl1 {

// The same calls as pointers, filled by a test with the real fixed-function
// GL's, to draw the same program through Mesa for comparison.
struct FixedFunction {
#define GL1_POINTER(ret, name, params, args) ret(*name) params = nullptr;
    GL1_GL_CALLS(GL1_POINTER)
    GL1_GLU_CALLS(GL1_POINTER)
#undef GL1_POINTER
};

// Sends every call to `calls` instead of the layer (null: the layer again).
void UseFixedFunction(const FixedFunction* calls);

// A new GL context is current: the layer forgets the objects and state of
// the old one (its programs, buffers, textures and display lists died with
// it) and starts from GL's initial state. The backend calls it after it
// makes a context.
void NewContext();

}  // namespace gl1
#endif
