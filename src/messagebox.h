// A modal message box with one OK button, owned by the game window.
#pragma once

void ShowMessageBox(const char* text, const char* caption);
