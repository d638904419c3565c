#pragma once
#include <cstdint>

namespace examsim {

struct AppContext;

// "Randomize Question Test": n distinct practice questions in draw order,
// answers merged, into the current test file. False when n is below 1 or
// above the number of practice questions.
bool buildRandomTest(AppContext& ctx, std::int32_t n, double seconds);

// Writes the practice pool, answers merged, to the current test file for the
// mode screen's customized start; false when the pool has no question.
bool showCustomOption(AppContext& ctx);

}  // namespace examsim
