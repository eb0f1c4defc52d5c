#include "fixed_function.h"

#include <GL/gl.h>
#include <GL/glu.h>

const gl1::FixedFunction& MesaFixedFunction() {
    static const gl1::FixedFunction calls = [] {
        gl1::FixedFunction f;
#define TAKE_GL(ret, name, params, args) f.name = &::gl##name;
#define TAKE_GLU(ret, name, params, args) f.name = &::glu##name;
        GL1_GL_CALLS(TAKE_GL)
        GL1_GLU_CALLS(TAKE_GLU)
#undef TAKE_GL
#undef TAKE_GLU
        return f;
    }();
    return calls;
}
