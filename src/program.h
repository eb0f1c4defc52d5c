// The program's entry and its last clean-up, called by each system's entry
// glue (or, on Windows, by the C runtime directly).
#pragma once

#include "wintypes.h"

// Start-up, page loop, shutdown. Returns the exit status.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR cmdLine, int showCmd);

// The session ends (log-off, shutdown): the system ends the process as soon
// as the message is handled, so the run ends here as a quit would, the
// running page finished and the settings saved, and the process exits.
void EndSession();

// Frees what start-up created (pages, text writer, settings, the GL context)
// without saving anything and clears the globals: the end of every run, and
// the clean-up after an exit that skips the normal shutdown.
void ReleaseProgram();
