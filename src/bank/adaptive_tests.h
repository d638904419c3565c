#pragma once
#include <cstdint>
#include <pugixml.hpp>

namespace examsim {

struct AppContext;

// An "Adaptive" test in `out` from the items of `source` (a `Test`): its `time`
// and `time_remaining`, an empty `Property`, then per 35 questions (count / 35
// rounded half to even) the first 15 "Intermediate", the first 10 "Beginner"
// and the first 10 "Expert" items, in source order. Without enough items of
// some level the test holds no question.
void pickAdaptiveQuestions(const pugi::xml_node& source, std::int32_t count, pugi::xml_document& out);

// The test when it holds a question; with `adaptive`, its adaptive form of 35
// (held in `holder`) when that holds one; otherwise an empty node.
pugi::xml_node testWithQuestions(const pugi::xml_node& test, bool adaptive, pugi::xml_document& holder);

// "Adaptive" from the practice pool: whole units of 35 (fitted to what each
// level offers), drawn at random per level, Intermediate, Beginner, then
// Expert, answers merged, into the current test file. False below 35, above
// the pool, or when a level cannot fill one unit.
bool buildRandomAdaptiveTest(AppContext& ctx, std::int32_t n, double seconds);

// "Adaptive" from the bookmarked questions (35, as above), their earlier
// answers cleared; false without a bookmark file, with too few bookmarks per
// level, or ("Error" first) when the store cannot be read or parsed.
bool buildBookmarkAdaptiveTest(AppContext& ctx, double seconds);

}  // namespace examsim
