#include "core/system_clock.h"

#include "core/app_context.h"

#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace examsim {

std::locale userDateLocale() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* name = std::getenv(variable);
        if (!name || !*name) continue;
        try {
            return std::locale(name);
        } catch (const std::runtime_error&) {
            break;  // named but not installed: the C library would fall back to "C" as well
        }
    }
    return std::locale::classic();
}

std::string shortDate(std::time_t when, const std::locale& loc) {
    std::tm local{};
    localtime_r(&when, &local);
    std::ostringstream out;
    out.imbue(loc);
    out << std::put_time(&local, "%x");
    return out.str();
}

std::time_t SystemClock::now() { return std::time(nullptr); }

std::string SystemClock::shortDate(std::time_t when) { return examsim::shortDate(when, userDateLocale()); }

Clock& clockOf(AppContext& ctx) {
    static SystemClock system;
    return ctx.host.clock ? *ctx.host.clock : system;
}

}  // namespace examsim
