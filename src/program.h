// The program's last clean-up. Its entry, WinMain, is declared with the
// shell's vocabulary (wintypes.h), as <windows.h> declares it, so a
// backend's entry glue needs nothing more of the shell.
#pragma once

#include "wintypes.h"

// Frees what start-up created (pages, text writer, settings, the GL context)
// without saving anything and clears the globals: the end of every run, and
// the clean-up after an exit that skips the normal shutdown.
void ReleaseProgram();
