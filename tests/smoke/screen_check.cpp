// Tells whether the X screen shows a picture: exit status 0 when no single
// colour covers 95% or more of the root window, 1 when it looks blank, 2
// when the screen cannot be read. With a file argument it also writes the
// screenshot there as a binary PPM, for a look when the check fails. It
// also counts the pixels where red or blue clearly dominates (the snake's
// head, the food).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <map>

// A lit sphere's colour: bright in its own channel, the others well below.
bool Dominates(int own, int other1, int other2) {
    return own >= 96 && other1 * 2 < own && other2 * 2 < own;
}

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "screen_check: cannot open the display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    const int width = attributes.width;
    const int height = attributes.height;
    XImage* image = XGetImage(display, root, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "screen_check: cannot read the screen\n");
        XCloseDisplay(display);
        return 2;
    }

    std::FILE* out = argc > 1 ? std::fopen(argv[1], "wb") : nullptr;
    if (out) std::fprintf(out, "P6\n%d %d\n255\n", width, height);
    std::map<unsigned long, long> counts;
    long red = 0, blue = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            ++counts[pixel];
            const unsigned char rgb[3] = {static_cast<unsigned char>((pixel & image->red_mask) >> 16),
                                          static_cast<unsigned char>((pixel & image->green_mask) >> 8),
                                          static_cast<unsigned char>(pixel & image->blue_mask)};
            if (out) std::fwrite(rgb, 1, 3, out);
            red += Dominates(rgb[0], rgb[1], rgb[2]);
            blue += Dominates(rgb[2], rgb[0], rgb[1]);
        }
    }
    if (out) std::fclose(out);
    XDestroyImage(image);
    XCloseDisplay(display);

    long largest = 0;
    for (const auto& entry : counts) largest = entry.second > largest ? entry.second : largest;
    const long total = static_cast<long>(width) * height;
    const double share = total > 0 ? static_cast<double>(largest) / total : 1.0;
    std::printf("screen %dx%d, %zu colours, the commonest covers %.1f%%, red %ld, blue %ld\n", width, height,
                counts.size(), share * 100, red, blue);
    return share < 0.95 ? 0 : 1;
}
