#pragma once
#include <cstdint>
#include <vector>

namespace examsim {

struct AppContext;

// One draw: r x n for r uniform in [0, 1), rounded to the nearest whole
// number with halves to the even one (so 0 and n come half as often).
std::int32_t randomIndex(AppContext& ctx, std::int32_t n);

// Distinct positions from 1 to `count`, in draw order, in entries 0 up; the
// array has entries 0 to `count`, unfilled ones 0. Drawing stops once
// `wanted` + 1 entries are filled, or all `count` positions are.
std::vector<std::int32_t> pickDistinctIndexes(AppContext& ctx, std::int32_t count, std::int32_t wanted);

// `wanted` distinct positions from 0 to `length` - 1 (all of them when fewer),
// in draw order; every ordered choice is equally likely, one draw per position.
std::vector<std::int32_t> drawPositions(AppContext& ctx, std::int32_t length, std::int32_t wanted);

}  // namespace examsim
