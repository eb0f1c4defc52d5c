// The program's entry: start-up, the page loop and shutdown.
#include "MenuPages/pagebase.h"
#include "MenuPages/startpage.h"
#include "globals.h"
#include "messagebox.h"
#include "platform/platform.h"
#include "proc.h"
#include "program.h"
#include "settings.h"
#include "texter.h"

namespace {
const char kErrorCaption[] = "Tramox Error";

void CopyScreenSettings() {
    ScreenWidth = GameSettings->screenWidth;
    ScreenHeight = GameSettings->screenHeight;
    ScreenColor = GameSettings->screenColor;
}

// Brings up the window and context, retrying once with the desktop mode.
// A second failure ends the process without saving anything.
void StartGraphics() {
    if (InitOpenGL()) return;
    ShowMessageBox("Failed to init graphics. Trying default settings.", kErrorCaption);
    // Whatever the first attempt created goes first, so the second starts
    // from the desktop mode and creates everything afresh.
    TearDownOpenGL();
    GameSettings->UseDesktopScreen();
    CopyScreenSettings();
    if (InitOpenGL()) return;
    ShowMessageBox("Failed to init graphics with default settings. Exiting program.", kErrorCaption);
    platform::Current().ExitProcess(0);
}

// The normal end of a run, after the last page: font, context and display
// mode, then the settings.
void ShutDown() {
    if (texter) texter->Unload();
    CloseOpenGL();
    GameSettings->SaveSettings();
}

// Runs pages until a quit request. A finished page is freed as soon as its
// successor takes over; one queued as the program ends is never run.
void RunPages() {
    while (GameRunning) {
        currentPage->Run();
        if (nextPage) {
            delete currentPage;
            platform::ReturnFreedMemory();
            currentPage = nextPage.Release();
        }
    }
}
}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    GameSettings = new Settings;
    GameSettings->LoadSettings();
    CopyScreenSettings();
    myInstance = hInstance;
    StartGraphics();

    texter = new Texter;
    texter->Load();

    GameRunning = 1;
    nextPage = nullptr;
    currentPage = new startPage;
    RunPages();

    ShutDown();
    ReleaseProgram();
    return 0;
}

void EndSession() {
    GameRunning = 0;
    // The game page hands its camera to the settings when it finishes.
    if (currentPage) currentPage->Finish();
    ShutDown();
    platform::Current().ExitProcess(0);
}

void ReleaseProgram() {
    nextPage = nullptr;
    delete currentPage;
    currentPage = nullptr;
    if (texter) {
        if (hRC) texter->Unload();
        delete texter;
        texter = nullptr;
    }
    TearDownOpenGL();
    delete GameSettings;
    GameSettings = nullptr;
    GameRunning = 0;
    ScreenWidth = ScreenHeight = ScreenColor = 0;
    myInstance = nullptr;
}
