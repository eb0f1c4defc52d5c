// Timing and the one table every benchmark prints its rows into.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

// The best (smallest) time of repeated runs of f, in seconds: at least
// `minRuns` runs and at least `minSeconds` in all. The best run is the one
// least disturbed by other work on a shared machine.
template <typename F>
double BestSeconds(F f, double minSeconds = 0.4, int minRuns = 3) {
    using Clock = std::chrono::steady_clock;
    double best = 1e30, total = 0;
    for (int run = 0; run < minRuns || total < minSeconds; run++) {
        const Clock::time_point start = Clock::now();
        f();
        const double s = std::chrono::duration<double>(Clock::now() - start).count();
        total += s;
        if (s < best) best = s;
    }
    return best;
}

// One row of the table: what was measured, on what, Tramox's figure, the
// figure it is compared with, and the ratio of the two.
inline void Row(const std::string& measure, const std::string& subject, const std::string& tramox,
                const std::string& reference, double ratio) {
    std::printf("| %s | %s | %s | %s | %.2f |\n", measure.c_str(), subject.c_str(), tramox.c_str(), reference.c_str(),
                ratio);
    std::fflush(stdout);
}

inline std::string Figure(double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, value < 10 ? "%.2f %s" : "%.1f %s", value, unit);
    return text;
}
