#include "support/test_locale.h"

#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

// The C library keeps the LOCPATH search list of every locale it opens and
// never frees it; that is not the program's leak.
extern "C" const char* __lsan_default_suppressions() { return "leak:__argz_add_sep\n"; }

namespace examsim::test {

std::string buildTestLocale(const std::string& name) {
    static TempFolder folder;
    const std::filesystem::path built = folder / name;
    if (!std::filesystem::exists(built / "LC_TIME")) {
        // Dates only: the locale's LC_TIME over the small POSIX character classes,
        // which builds in a fraction of the time of the whole locale. Named
        // without a codeset, which the C library would check against them.
        const std::filesystem::path source = folder / (name + ".def");
        writeFile(source, "LC_CTYPE\ncopy \"POSIX\"\nEND LC_CTYPE\nLC_TIME\ncopy \"" + name + "\"\nEND LC_TIME\n");
        const std::string command = "localedef -c -i '" + source.string() + "' -f UTF-8 '" + built.string() + "' >/dev/null 2>&1";
        (void)std::system(command.c_str());  // -c: the missing categories only warn; the result is checked below
        if (!std::filesystem::exists(built / "LC_TIME")) {
            ADD_FAILURE() << "localedef could not build " << name << " (the Debian package \"locales\" holds its sources)";
            return {};
        }
    }
    setenv("LOCPATH", folder.path().c_str(), 1);
    return name;
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        had_ = true;
        old_ = old;
    }
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
    if (had_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

}  // namespace examsim::test
