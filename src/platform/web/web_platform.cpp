#include "web_platform.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "gl1.h"
#include "platform/glyph_bitmap.h"
#include "platform/wav_length.h"
#include "web_events.h"
#include "web_files.h"

namespace platform {

namespace {
// WebGL's drawing buffers stop well before this; a larger request in a
// damaged Settings.xml is refused like a mode a display does not have.
const int kMaxBufferExtent = 8192;

EM_JS(void, ScreenMode, (int* numbers), {
    var mode = Module.tramox.screenMode();
    for (var i = 0; i < 3; i++) HEAP32[(numbers >> 2) + i] = mode[i];
});
EM_JS(void, ShowCanvas, (const char* title, int width, int height), {
    Module.tramox.showCanvas(UTF8ToString(title), width, height);
});
EM_JS(void, SetBufferSize, (int width, int height), { Module.tramox.setBufferSize(width, height); });
EM_JS(void, HideCanvas, (), { Module.tramox.hideCanvas(); });
// The kind of the next waiting event (-1 when there is none), its key and
// code as strings, and alt, button, x and y as numbers.
EM_JS(int, TakeEvent, (char* key, int keySize, char* code, int codeSize, int* numbers), {
    var event = Module.tramox.takeEvent();
    if (!event) return -1;
    stringToUTF8(event.key, key, keySize);
    stringToUTF8(event.code, code, codeSize);
    var fields = [event.alt ? 1 : 0, event.button, event.x, event.y];
    for (var i = 0; i < 4; i++) HEAP32[(numbers >> 2) + i] = fields[i];
    return event.kind;
});
EM_ASYNC_JS(void, WaitForNextFrame, (double workMs), { await Module.tramox.nextFrame(workMs); });
EM_ASYNC_JS(void, ShowDialog, (const char* text, const char* caption), {
    await Module.tramox.messageBox(UTF8ToString(text), UTF8ToString(caption));
});
// The page says the game has ended and the program waits for good: a page
// cannot end its own process, and an exit thrown through the browser's
// event loop would be reported as an error.
EM_ASYNC_JS(void, EndForGood, (), {
    Module.tramox.showEnded();
    await new Promise(function () {});
});
EM_JS(void, StartSound, (const char* path), { Module.tramox.playSound(UTF8ToString(path)); });
}  // namespace

WebPlatform::~WebPlatform() {
    DeleteContext();
}

bool WebPlatform::QueryCurrentMode(DisplayMode* mode) {
    int numbers[3];
    ScreenMode(numbers);
    if (numbers[0] <= 0 || numbers[1] <= 0) return false;
    *mode = {numbers[0], numbers[1], numbers[2]};
    return true;
}

bool WebPlatform::ChangeMode(const DisplayMode& mode) {
    // Any size fits a drawing buffer, which the page scales to the window;
    // the colour depth is only kept.
    if (mode.width <= 0 || mode.height <= 0 || mode.width > kMaxBufferExtent || mode.height > kMaxBufferExtent ||
        mode.bitsPerPixel <= 0) {
        return false;
    }
    mode_ = mode;
    haveMode_ = true;
    if (windowShown_) SetBufferSize(mode.width, mode.height);
    return true;
}

void WebPlatform::RestoreDesktopMode() {
    // The page has no display mode to give back: the browser keeps its own.
}

bool WebPlatform::CreateGameWindow(const char* title, int width, int height) {
    if (windowShown_ || width <= 0 || height <= 0) return false;
    ShowCanvas(title ? title : "", haveMode_ ? mode_.width : width, haveMode_ ? mode_.height : height);
    windowShown_ = true;
    return true;
}

bool WebPlatform::SetPixelFormat(int, int depthBits) {
    if (!windowShown_ || formatChosen_) return false;
    // WebGL offers a depth buffer or none; its size is the browser's.
    wantDepth_ = depthBits > 0;
    formatChosen_ = true;
    return true;
}

bool WebPlatform::CreateContext() {
    if (!formatChosen_ || context_ > 0) return false;
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = wantDepth_ ? EM_TRUE : EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    context_ = emscripten_webgl_create_context("#canvas", &attributes);
    if (context_ <= 0) {
        std::fprintf(stderr, "tramox: no WebGL context (%d)\n", static_cast<int>(context_));
        context_ = 0;
        return false;
    }
    // The layer's objects and state belonged to the context before, if any.
    gl1::NewContext();
    return true;
}

void WebPlatform::MakeContextCurrent(bool current) {
    if (context_ > 0) emscripten_webgl_make_context_current(current ? context_ : 0);
}

void WebPlatform::DeleteContext() {
    if (context_ <= 0) return;
    emscripten_webgl_make_context_current(0);
    emscripten_webgl_destroy_context(context_);
    context_ = 0;
}

void WebPlatform::DestroyGameWindow() {
    if (!windowShown_) return;
    HideCanvas();
    windowShown_ = false;
    formatChosen_ = false;
}

void WebPlatform::ShowWindowNormal() {
    // The canvas is the page; there is no other window to come in front of.
}

void WebPlatform::MinimizeWindow() {
    // A page cannot be minimised; a hidden one just gets no frames.
}

void WebPlatform::SwapBuffers() {
    if (context_ <= 0) return;
    // What the program did since the last frame, its sleeps left out: the
    // page keeps it for measurements.
    const double now = emscripten_get_now();
    const double work = lastFrameEnd_ > 0 ? now - lastFrameEnd_ - sleptSinceFrame_ : 0;
    // The browser shows what was drawn once the program gives it its turn.
    WaitForNextFrame(work);
    lastFrameEnd_ = emscripten_get_now();
    sleptSinceFrame_ = 0;
}

bool WebPlatform::PollMessage(Message* msg) {
    char key[32], code[32];
    int numbers[4];
    int kind;
    while (queue_.empty() && (kind = TakeEvent(key, sizeof key, code, sizeof code, numbers)) >= 0) {
        DomEvent event;
        event.kind = static_cast<DomEvent::Kind>(kind);
        event.key = key;
        event.code = code;
        event.alt = numbers[0] != 0;
        event.button = numbers[1];
        event.x = numbers[2];
        event.y = numbers[3];
        Message translated;
        if (TranslateDomEvent(event, &translated)) queue_.push_back(translated);
    }
    if (queue_.empty()) return false;
    *msg = queue_.front();
    queue_.pop_front();
    return true;
}

void WebPlatform::QueueMessage(const Message& msg) {
    queue_.push_back(msg);
}

long WebPlatform::Milliseconds() {
    return static_cast<long>(emscripten_get_now());
}

void WebPlatform::Sleep(unsigned long ms) {
    const double start = emscripten_get_now();
    emscripten_sleep(static_cast<unsigned>(ms));
    sleptSinceFrame_ += emscripten_get_now() - start;
}

long WebPlatform::CalendarSeconds() {
    return static_cast<long>(std::time(nullptr));
}

void WebPlatform::ShowMessageBox(const char* text, const char* caption) {
    ShowDialog(text ? text : "", caption ? caption : "");
}

void WebPlatform::ExitProcess(int status) {
    DeleteContext();
    if (status != 0) std::fprintf(stderr, "tramox: ended with status %d\n", status);
    EndForGood();
    // Never reached: the wait above does not end.
    std::abort();
}

bool WebPlatform::BuildGlyphLists(unsigned base, int firstChar, int count) {
    std::vector<GlyphBitmap> glyphs;
    int fileFirstChar = 0;
    std::FILE* in = std::fopen(kGlyphFile, "rb");
    const bool read = in && ReadGlyphFile(in, &fileFirstChar, &glyphs);
    if (in) std::fclose(in);
    if (!read || fileFirstChar != firstChar || static_cast<int>(glyphs.size()) != count) return false;
    CompileGlyphLists(base, glyphs);
    return true;
}

void WebPlatform::PlaySoundFile(const char* path, bool async) {
    if (!path) return;
    StartSound(path);
    // Web Audio never holds the program up; a waiting request waits for as
    // long as the sound lasts (nothing for a file that is not a WAV).
    if (!async) {
        if (const long ms = WavLengthMs(path)) Sleep(static_cast<unsigned long>(ms));
    }
}

}  // namespace platform
