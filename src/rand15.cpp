#include "rand15.h"

namespace {
unsigned rand15Seed = 1;
}  // namespace

void SRand15(unsigned int seed) {
    rand15Seed = seed;
}

int Rand15() {
    rand15Seed = rand15Seed * 214013u + 2531011u;
    return static_cast<int>((rand15Seed >> 16) & 0x7FFF);
}
