// The shell's process-wide globals, all zero at start, and the slot that
// holds the page queued to become current.
#pragma once

#include "wintypes.h"

class PageBase;
class Settings;
class Texter;

extern HINSTANCE myInstance;
extern int ScreenWidth;
extern int ScreenHeight;
extern int ScreenColor;
extern HDC hDC;
extern HGLRC hRC;
extern HWND hWnd;
extern PageBase* currentPage;

// The page queued to become current: pages write `nextPage = new SomePage`.
// The slot owns the queued page, so a second request before the page loop
// takes it frees the first one (the later request wins).
class QueuedPage {
public:
    QueuedPage() = default;
    QueuedPage(const QueuedPage&) = delete;
    QueuedPage& operator=(const QueuedPage&) = delete;
    QueuedPage& operator=(PageBase* page);
    operator PageBase*() const { return page_; }
    PageBase* operator->() const { return page_; }
    // Hands the queued page to the caller and leaves the slot empty.
    PageBase* Release();

private:
    PageBase* page_ = nullptr;
};
extern QueuedPage nextPage;
extern int GameRunning;
extern Settings* GameSettings;
extern Texter* texter;
