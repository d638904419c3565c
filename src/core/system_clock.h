#pragma once
#include "core/host.h"

#include <ctime>
#include <locale>
#include <string>

namespace examsim {

struct AppContext;

// The locale the environment names for dates: LC_ALL, else LC_TIME, else
// LANG, as the C library reads them; "C" when none is set or the one named
// is not installed.
std::locale userDateLocale();

// The day of `when` (local time) as "%x" writes it in `loc`.
std::string shortDate(std::time_t when, const std::locale& loc);

// The program's own clock: the system time; dates in the user's form.
class SystemClock : public Clock {
public:
    std::time_t now() override;
    std::string shortDate(std::time_t when) override;
};

// The host's clock, or the system clock when the host gives none.
Clock& clockOf(AppContext& ctx);

}  // namespace examsim
