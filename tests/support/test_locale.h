#pragma once
#include <string>

namespace examsim::test {

// Builds the date part of the named locale (for example "de_DE") from
// the system's locale sources into a folder of this test process and points
// LOCPATH there, so a test does not depend on the locales a machine has installed. Returns the
// name, or the empty text after a test failure when it cannot be built.
std::string buildTestLocale(const std::string& name);

// Sets (or, for a null value, unsets) an environment variable for the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

}  // namespace examsim::test
