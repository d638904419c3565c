#pragma once
#include <cstdint>
#include <string>

namespace examsim {

struct AppContext;

// True when the test may start: the history holds fewer passes ("Pass",
// exactly) of exactly this test name than "product/no_of_max_reports"
// (empty: 1). Otherwise tells the user and returns false.
bool checkAttemptCap(AppContext& ctx, const std::string& testName);

// Builds the named test of the bank, answers merged, into the current test
// file, as the bank lists it. False when the cap refuses it or the bank has
// no test of that name.
bool startTest(AppContext& ctx, const std::string& testName);

// Hands the completed test of the history record at `position` (from 0) to
// the current test file; false when there is no such record.
bool loadStoredTest(AppContext& ctx, std::int32_t position);

}  // namespace examsim
