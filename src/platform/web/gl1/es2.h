// The real GL the layer draws with: OpenGL ES 2.0 in the browser (WebGL 1),
// and on Linux the same calls from the desktop GL 2 headers, for the test
// that compares the layer with Mesa.
#pragma once

#ifdef __EMSCRIPTEN__
#include <GLES2/gl2.h>
#else
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#endif
