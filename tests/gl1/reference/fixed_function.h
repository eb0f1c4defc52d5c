// The real fixed-function GL and GLU (Mesa's, on the off-screen backend)
// as the layer's table of calls.
#pragma once

#include "gl1.h"

const gl1::FixedFunction& MesaFixedFunction();
