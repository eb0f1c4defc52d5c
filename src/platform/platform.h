// Everything the game needs from the operating system, in one place.
//
// The shell talks to the machine only through this interface, and a backend
// knows nothing of the shell beyond it and the shell's vocabulary
// (wintypes.h). Four backends implement it: the desktop one on SDL2
// (src/platform/sdl), an off-screen one on OSMesa (src/platform/headless)
// that the tests drive with scripted input and a virtual clock, the Windows
// one on Win32 and WGL (src/platform/win32), and the browser's on the HTML5
// API and WebGL (src/platform/web). Member names avoid those
// that <windows.h> turns into macros (PeekMessage, PostMessage, MessageBox).
#pragma once

namespace platform {

// A display mode as the game's settings describe it.
struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// Window messages, numbered as the window procedure expects them.
enum : unsigned {
    kMsgDestroy = 0x0002,
    kMsgActivate = 0x0006,
    kMsgClose = 0x0010,
    kMsgQuit = 0x0012,
    kMsgEndSession = 0x0016,
    kMsgKeyDown = 0x0100,
    kMsgKeyUp = 0x0101,
    kMsgMouseMove = 0x0200,
    kMsgLButtonDown = 0x0201,
    kMsgLButtonUp = 0x0202,
    kMsgRButtonDown = 0x0204,
    kMsgRButtonUp = 0x0205,
};

// One queued message. For key messages wParam is the virtual-key code; for
// mouse-button messages lParam packs the client position (x in the low 16
// bits, y in the high 16 bits); for activation the low word of wParam is
// nonzero when the window becomes active.
struct Message {
    unsigned message = 0;
    unsigned long wParam = 0;
    long lParam = 0;
};

inline long PackPoint(int x, int y) {
    return static_cast<long>((static_cast<unsigned long>(y & 0xFFFF) << 16) |
                             static_cast<unsigned long>(x & 0xFFFF));
}

class Platform {
public:
    virtual ~Platform() = default;

    // Display modes ----------------------------------------------------------
    // The mode the desktop runs in now; false when it cannot be asked.
    virtual bool QueryCurrentMode(DisplayMode* mode) = 0;
    // Switches to exactly this mode for full-screen use; refuses (false) when
    // the display does not offer that width, height and depth.
    virtual bool ChangeMode(const DisplayMode& mode) = 0;
    // Back to the mode the desktop had before the game changed it.
    virtual void RestoreDesktopMode() = 0;

    // The window and its OpenGL context --------------------------------------
    // Creates the borderless full-screen window, shown and focused.
    virtual bool CreateGameWindow(const char* title, int width, int height) = 0;
    // Chooses the closest pixel format to the request and creates a
    // double-buffered context for it; false when no format fits.
    virtual bool SetPixelFormat(int colorBits, int depthBits) = 0;
    virtual bool CreateContext() = 0;
    virtual void MakeContextCurrent(bool current) = 0;
    virtual void DeleteContext() = 0;
    virtual void DestroyGameWindow() = 0;
    virtual void ShowWindowNormal() = 0;
    virtual void MinimizeWindow() = 0;
    virtual void SwapBuffers() = 0;

    // Input -------------------------------------------------------------------
    // Takes the next waiting message, translated to the numbering above.
    // Never waits: false when the queue is empty.
    virtual bool PollMessage(Message* msg) = 0;
    // Appends a message to the queue (the window procedure posts the quit
    // message this way).
    virtual void QueueMessage(const Message& msg) = 0;

    // Time and the process ----------------------------------------------------
    // Milliseconds of a monotonic wall clock (not CPU time).
    virtual long Milliseconds() = 0;
    virtual void Sleep(unsigned long ms) = 0;
    // Seconds of the calendar clock; seeds the food generator.
    virtual long CalendarSeconds() = 0;
    // A modal message box with one OK button.
    virtual void ShowMessageBox(const char* text, const char* caption) = 0;
    // Ends the process at once with this status.
    [[noreturn]] virtual void ExitProcess(int status) = 0;

    // Fonts --------------------------------------------------------------------
    // Compiles the display lists base .. base + count - 1 with the glyphs of
    // the characters firstChar .. from a bold monospaced face at a 24-pixel
    // em, each list advancing the raster position by the glyph's advance.
    // Needs the GL context current. False when no such font can be used.
    virtual bool BuildGlyphLists(unsigned base, int firstChar, int count) = 0;

    // Sound ----------------------------------------------------------------------
    // Plays a WAV file ('/' between folders) as Windows' PlaySound does: one
    // sound at a time, a new request replaces the one playing, and with
    // async false the call returns when the sound has finished. No device, a
    // missing file or an invalid one: silence, and nothing waits.
    virtual void PlaySoundFile(const char* path, bool async) = 0;
};

// The backend in use: the installed one, or else the build's default.
Platform& Current();
void Install(Platform* backend);
// Defined by each backend library: the backend a program of this build runs
// on when nothing was installed; null where the caller must install one.
Platform* DefaultBackend();

// The shell's window procedure. Most backends return messages from
// PollMessage for the shell to handle; one whose system hands messages to a
// window procedure inside its own dispatch (Windows) passes them on to the
// handler the shell set at start-up. Null until then.
using MessageHandler = long (*)(unsigned message, unsigned long wParam, long lParam);
void SetMessageHandler(MessageHandler handler);
MessageHandler ShellMessageHandler();

// Gives the memory the program has freed back to the system, where the C
// library keeps it otherwise. Called between pages, when a finished page's
// buffers and the renderer's have just been freed. The same for every
// backend: it concerns the process, not the window system.
void ReturnFreedMemory();

}  // namespace platform
