#include "messagebox.h"

#include "platform/platform.h"

void ShowMessageBox(const char* text, const char* caption) {
    platform::Current().ShowMessageBox(text, caption);
}
