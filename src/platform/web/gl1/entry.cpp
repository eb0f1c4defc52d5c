// The C entry points the renamed game calls: each goes to the layer, or to
// the fixed-function GL a test put in its place.
#include "batch.h"
#include "lists.h"

namespace gl1 {

namespace {
const FixedFunction* reference = nullptr;
}

State& Current() {
    static State state;
    return state;
}

void UseFixedFunction(const FixedFunction* calls) {
    reference = calls;
}

void NewContext() {
    ForgetDrawObjects();
    ForgetLists();
    Current() = State();
}

}  // namespace gl1

#define GL1_ENTRY(ret, name, params, args, prefix)                           \
    extern "C" ret prefix##name params {                                     \
        if (gl1::reference) return gl1::reference->name args;                \
        return gl1::name args;                                               \
    }
#define GL1_ENTRY_GL(ret, name, params, args) GL1_ENTRY(ret, name, params, args, gl1)
#define GL1_ENTRY_GLU(ret, name, params, args) GL1_ENTRY(ret, name, params, args, gl1u)
GL1_GL_CALLS(GL1_ENTRY_GL)
GL1_GLU_CALLS(GL1_ENTRY_GLU)
