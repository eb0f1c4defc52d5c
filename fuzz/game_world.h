// What the game-level fuzz targets share: the check that stops a run, and
// the leak the off-screen renderer keeps for good (not ours).
#pragma once

#include <cstdlib>

#include "headless_world.h"

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) abort(); \
    } while (0)

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
