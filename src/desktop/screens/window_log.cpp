#include "desktop/screens/window_log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace examsim {

void logWindowEvent(const char* event) {
    static const bool on = [] {
        const char* v = std::getenv("EXAMSIM_WINDOW_LOG");
        return v && std::strcmp(v, "1") == 0;
    }();
    if (!on) return;
    std::printf("examsim: window %s\n", event);
    std::fflush(stdout);
}

}  // namespace examsim
