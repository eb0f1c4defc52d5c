#include "globals.h"

#include "MenuPages/pagebase.h"

HINSTANCE myInstance;
int ScreenWidth;
int ScreenHeight;
int ScreenColor;
HDC hDC;
HGLRC hRC;
HWND hWnd;
PageBase* currentPage;
QueuedPage nextPage;
int GameRunning;
Settings* GameSettings;
Texter* texter;

QueuedPage& QueuedPage::operator=(PageBase* page) {
    if (page != page_) {
        delete page_;
        page_ = page;
    }
    return *this;
}

PageBase* QueuedPage::Release() {
    PageBase* page = page_;
    page_ = nullptr;
    return page;
}
