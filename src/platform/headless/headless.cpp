#include "headless.h"

#include <GL/osmesa.h>

#include <algorithm>
#include <cstring>

#include "platform/depth_sizes.h"
#include "platform/display_modes.h"
#include "platform/linux/glyph_lists.h"
#include "platform/wav_length.h"

namespace platform {

namespace {
const DisplayMode kDefaultDesktop = {640, 480, 32};

// The depth-buffer sizes OSMesa gives exactly; it silently rounds any other
// request, a small one down to no depth buffer at all.
const int kOsmesaDepthSizes[] = {16, 24};

int ClosestOsmesaDepth(int requested) {
    for (int size : DepthPreference(requested)) {
        if (size == 0 || std::count(std::begin(kOsmesaDepthSizes), std::end(kOsmesaDepthSizes), size)) return size;
    }
    return kOsmesaDepthSizes[1];
}

// 5- and 6-bit channels widened to 8 bits the way GL reads them back.
std::uint8_t Widen(unsigned value, int bits) {
    return static_cast<std::uint8_t>((value << (8 - bits)) | (value >> (2 * bits - 8)));
}

// Copies OSMesa's colour buffer (bottom row first) into `frame`, top row
// first. Straight from memory: a glReadPixels per presented frame costs
// several times as much, and long scripted games present thousands.
void CopyFrame(const std::vector<std::uint8_t>& buffer, bool highColor, int width, int height, Frame* frame) {
    frame->width = width;
    frame->height = height;
    frame->rgba.resize(static_cast<size_t>(width) * height * 4);
    const size_t rowPixels = static_cast<size_t>(width);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = &frame->rgba[y * rowPixels * 4];
        const size_t sourceRow = static_cast<size_t>(height - 1 - y) * rowPixels;
        if (!highColor) {
            std::memcpy(out, &buffer[sourceRow * 4], rowPixels * 4);
            continue;
        }
        const std::uint16_t* in = reinterpret_cast<const std::uint16_t*>(buffer.data()) + sourceRow;
        for (size_t x = 0; x < rowPixels; ++x, out += 4) {
            const unsigned pixel = in[x];
            out[0] = Widen(pixel >> 11, 5);
            out[1] = Widen((pixel >> 5) & 0x3F, 6);
            out[2] = Widen(pixel & 0x1F, 5);
            out[3] = 255;
        }
    }
}
}  // namespace

HeadlessPlatform::HeadlessPlatform() {
    SetDesktopMode(kDefaultDesktop);
}

HeadlessPlatform::~HeadlessPlatform() {
    DeleteContext();
}

void HeadlessPlatform::SetDesktopMode(const DisplayMode& mode) {
    desktopMode_ = mode;
    modeInForce_ = mode;
}

void HeadlessPlatform::SetOfferedModes(const std::vector<DisplayMode>& modes) {
    offeredModes_ = modes;
}

void HeadlessPlatform::SetFrameCost(long ms) {
    frameCost_ = ms;
}

void HeadlessPlatform::SetPumpCost(long ms) {
    pumpCost_ = ms;
}

void HeadlessPlatform::SetCalendarSeconds(long seconds) {
    calendarSeconds_ = seconds;
}

void HeadlessPlatform::FailModeQuery(bool fail) {
    modeQueryFails_ = fail;
}

void HeadlessPlatform::SetPumpCallback(std::function<void(HeadlessPlatform&)> callback) {
    pumpCallback_ = std::move(callback);
}

void HeadlessPlatform::SetFrameCallback(std::function<void(const Frame&)> callback) {
    frameCallback_ = std::move(callback);
}

void HeadlessPlatform::KeepAllFrames(bool keep) {
    keepAllFrames_ = keep;
}

void HeadlessPlatform::PostKeyDown(int vk) {
    QueueMessage({kMsgKeyDown, static_cast<unsigned long>(vk), 0});
}

void HeadlessPlatform::PostKeyUp(int vk) {
    QueueMessage({kMsgKeyUp, static_cast<unsigned long>(vk), 0});
}

void HeadlessPlatform::PostClick(int x, int y, int button) {
    const bool right = button == 1;
    QueueMessage({right ? kMsgRButtonDown : kMsgLButtonDown, 0, PackPoint(x, y)});
    QueueMessage({right ? kMsgRButtonUp : kMsgLButtonUp, 0, PackPoint(x, y)});
}

void HeadlessPlatform::PostClose() {
    QueueMessage({kMsgClose, 0, 0});
}

int HeadlessPlatform::DepthBits() const {
    return context_ ? depthBits_ : 0;
}

bool HeadlessPlatform::QueryCurrentMode(DisplayMode* mode) {
    if (modeQueryFails_) return false;
    *mode = modeInForce_;
    return true;
}

bool HeadlessPlatform::ChangeMode(const DisplayMode& mode) {
    std::vector<DisplayMode> offered = offeredModes_;
    offered.push_back(desktopMode_);  // the desktop's own mode is always offered
    if (FindMode(offered, mode) < 0) return false;
    modeInForce_ = mode;
    return true;
}

void HeadlessPlatform::RestoreDesktopMode() {
    modeInForce_ = desktopMode_;
}

bool HeadlessPlatform::CreateGameWindow(const char*, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    windowExists_ = true;
    windowMinimized_ = false;
    windowWidth_ = width;
    windowHeight_ = height;
    return true;
}

bool HeadlessPlatform::SetPixelFormat(int colorBits, int depthBits) {
    if (!windowExists_) return false;
    // 16 bits or fewer: 5-6-5 colour; anything else: 8 bits a channel
    // (OSMesa's packed 3-byte format mangles rows, so 24 bits use RGBA too).
    const bool highColor = colorBits > 0 && colorBits <= 16;
    colorFormat_ = highColor ? OSMESA_RGB_565 : OSMESA_RGBA;
    colorType_ = highColor ? GL_UNSIGNED_SHORT_5_6_5 : GL_UNSIGNED_BYTE;
    depthBits_ = ClosestOsmesaDepth(depthBits);
    pixelFormatSet_ = true;
    return true;
}

bool HeadlessPlatform::CreateContext() {
    if (!pixelFormatSet_ || context_) return false;
    context_ = OSMesaCreateContextExt(colorFormat_, depthBits_, 0, 0, nullptr);
    return context_ != nullptr;
}

void HeadlessPlatform::MakeContextCurrent(bool current) {
    if (current && context_ && windowExists_) {
        colorBuffer_.assign(static_cast<size_t>(windowWidth_) * windowHeight_ * 4, 0);
        contextCurrent_ = OSMesaMakeCurrent(context_, colorBuffer_.data(), colorType_, windowWidth_, windowHeight_);
    } else if (!current && contextCurrent_) {
        OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
        contextCurrent_ = false;
    }
}

void HeadlessPlatform::DeleteContext() {
    if (!context_) return;
    MakeContextCurrent(false);
    OSMesaDestroyContext(context_);
    context_ = nullptr;
    colorBuffer_.clear();
}

void HeadlessPlatform::DestroyGameWindow() {
    windowExists_ = false;
    windowMinimized_ = false;
    pixelFormatSet_ = false;
}

void HeadlessPlatform::ShowWindowNormal() {
    windowMinimized_ = false;
}

void HeadlessPlatform::MinimizeWindow() {
    if (windowExists_) windowMinimized_ = true;
}

void HeadlessPlatform::SwapBuffers() {
    // Like a swap without a window or a context: nothing is presented.
    if (!contextCurrent_ || !windowExists_) return;
    glFinish();  // OSMesa brings its buffer up to date here
    CopyFrame(colorBuffer_, colorFormat_ == OSMESA_RGB_565, windowWidth_, windowHeight_, &lastFrame_);
    ++framesPresented_;
    if (frameCallback_) frameCallback_(lastFrame_);
    if (keepAllFrames_) allFrames_.push_back(lastFrame_);
    now_ += frameCost_;
}

bool HeadlessPlatform::PollMessage(Message* msg) {
    if (queue_.empty() && pumpCallback_) pumpCallback_(*this);
    if (queue_.empty()) {
        now_ += pumpCost_;
        return false;
    }
    *msg = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessPlatform::QueueMessage(const Message& msg) {
    queue_.push_back(msg);
}

long HeadlessPlatform::Milliseconds() {
    return now_;
}

void HeadlessPlatform::Sleep(unsigned long ms) {
    sleeps_.push_back(ms);
    now_ += static_cast<long>(ms);
}

long HeadlessPlatform::CalendarSeconds() {
    return calendarSeconds_;
}

void HeadlessPlatform::ShowMessageBox(const char* text, const char* caption) {
    messageBoxes_.push_back({text ? text : "", caption ? caption : ""});
}

void HeadlessPlatform::ExitProcess(int status) {
    throw ProcessExit{status};
}

bool HeadlessPlatform::BuildGlyphLists(unsigned base, int firstChar, int count) {
    return BuildGlyphListsFromSystemFont(base, firstChar, count);
}

void HeadlessPlatform::PlaySoundFile(const char* path, bool async) {
    sounds_.push_back({path ? path : "", async});
    if (!async && path) now_ += WavLengthMs(path);
}

}  // namespace platform
