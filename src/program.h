// The end of a session and the last clean-up of a run. The program's entry,
// WinMain, is declared with the shell's vocabulary (wintypes.h), as
// <windows.h> declares it, so a backend's entry glue needs nothing more of
// the shell.
#pragma once

#include "wintypes.h"

// The session ends (log-off, shutdown): the system ends the process as soon
// as the message is handled, so the run ends here as a quit would, the
// running page finished and the settings saved, and the process exits.
void EndSession();

// Frees what start-up created (pages, text writer, settings, the GL context)
// without saving anything and clears the globals: the end of every run, and
// the clean-up after an exit that skips the normal shutdown.
void ReleaseProgram();
