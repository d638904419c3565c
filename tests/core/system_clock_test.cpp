#include "core/system_clock.h"
#include "support/test_locale.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

constexpr std::time_t kNoonUtc = 1796558400;  // 2026-12-06 12:00 UTC: that day in every nearby zone

}  // namespace

TEST(UserDates, TheShortFormFollowsTheLocaleTheEnvironmentNamesForDates) {
    const std::string de = buildTestLocale("de_DE");
    ASSERT_FALSE(de.empty());
    const struct {
        const char* lcAll;
        const char* lcTime;
        const char* lang;
        const char* date;
    } cases[] = {
        {nullptr, nullptr, de.c_str(), "06.12.2026"},
        {nullptr, "C.UTF-8", de.c_str(), "12/06/26"},  // LC_TIME before LANG
        {de.c_str(), "C.UTF-8", nullptr, "06.12.2026"},  // LC_ALL before both
        {nullptr, nullptr, "xx_XX.UTF-8", "12/06/26"},   // not installed: "C"
        {nullptr, nullptr, nullptr, "12/06/26"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        ScopedEnv all("LC_ALL", c.lcAll), time("LC_TIME", c.lcTime), lang("LANG", c.lang);
        EXPECT_EQ(SystemClock().shortDate(kNoonUtc), c.date);
    }
}
