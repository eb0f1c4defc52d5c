// Runs the whole program on the off-screen backend, as a test drives it.
#pragma once

#include "headless.h"

namespace platform {

// Runs WinMain on `backend`, installed for the call, from the current
// working directory (the game folder). Returns the exit status; a process
// exit requested by the program is returned the same way, after the
// program's globals are released so that nothing leaks.
int RunProgram(HeadlessPlatform& backend);

}  // namespace platform
