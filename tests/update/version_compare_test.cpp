#include "update/version_compare.h"

#include <gtest/gtest.h>

using namespace examsim;

namespace {

struct Case {
    const char* answer;
    const char* current;
    bool newer;
};

// Numbers part by part, never as texts.
const Case kCases[] = {
    {"11", "10", true},
    {"9", "10", false},  // later as a text, earlier as a number
    {"10", "10", false},
    {"10.0", "10", false},
    {"10.0.1", "10", true},
    {"1.10", "1.9", true},
    {"1.9", "1.10", false},
    {"0011", "9", true},
    {"123456789012345678901234567890", "99", true},  // past any integer type
    {" 11\r\n", "10", true},                         // a server's line end
    {"abc", "10", false},
    {"", "10", false},
    {"11a", "10", false},
    {"1..2", "1", false},
    {".5", "0", false},
    {"5.", "4", false},
    {"-11", "10", false},
    {"1 1", "10", false},
    {"11", "", false},
    {"11", "abc", false},  // a product without a number cannot be compared
};

TEST(VersionCompare, NewerOnlyAsNumbersPartByPart) {
    for (const Case& c : kCases)
        EXPECT_EQ(isNewerVersion(c.answer, c.current), c.newer) << '"' << c.answer << "\" against \"" << c.current << '"';
}

TEST(VersionCompare, VersionTextIsDigitsAndDots) {
    for (const char* yes : {"1", "10.2", " 3 ", "0"}) EXPECT_TRUE(isVersionText(yes)) << yes;
    for (const char* no : {"", " ", "1.", "a1", "1,2", "1e3", "+1"}) EXPECT_FALSE(isVersionText(no)) << no;
}

}  // namespace
