#include "platform.h"

#include <cstdio>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

namespace {
Platform* installed = nullptr;
MessageHandler shellHandler = nullptr;
}  // namespace

Platform& Current() {
    if (!installed) installed = DefaultBackend();
    // Running without a backend is a wiring mistake of the entry point; a
    // clear stop beats a null dereference somewhere in the window module.
    if (!installed) {
        std::fputs("tramox: no platform backend installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void Install(Platform* backend) {
    installed = backend;
}

void SetMessageHandler(MessageHandler handler) {
    shellHandler = handler;
}

MessageHandler ShellMessageHandler() {
    return shellHandler;
}

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    // Each level frees picture buffers and the renderer's compile buffers
    // of many sizes between objects that stay; the allocator keeps those
    // pages, and resident memory crept up by about a megabyte a game.
    malloc_trim(0);
#endif
}

}  // namespace platform
