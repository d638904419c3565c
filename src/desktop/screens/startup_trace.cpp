#include "desktop/screens/startup_trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <unistd.h>

namespace examsim {
namespace {

double nowMs() {
    timespec t{};
#ifdef CLOCK_BOOTTIME
    clock_gettime(CLOCK_BOOTTIME, &t);
#else
    clock_gettime(CLOCK_MONOTONIC, &t);
#endif
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The kernel's start time of this process (to a clock tick), so the time
// spent loading libraries before main counts; the first step where there is
// no such record.
double processStartMs() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos) return nowMs();
    const char* p = line.c_str() + close + 2;
    // Field 22 is the start time; the text after ')' begins with field 3.
    for (int field = 3; field < 22 && p; ++field) {
        p = std::strchr(p, ' ');
        if (p) ++p;
    }
    const long ticks = sysconf(_SC_CLK_TCK);
    if (!p || ticks <= 0) return nowMs();
    return std::strtod(p, nullptr) * 1e3 / static_cast<double>(ticks);
}

}  // namespace

void traceStartup(const char* step) {
    static const bool on = [] {
        const char* v = std::getenv("EXAMSIM_STARTUP_TRACE");
        return v && std::strcmp(v, "1") == 0;
    }();
    if (!on) return;
    static const double zero = processStartMs();
    std::printf("examsim: startup %7.1f %s\n", nowMs() - zero, step);
    std::fflush(stdout);
}

}  // namespace examsim
