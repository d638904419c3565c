#pragma once
#include <pugixml.hpp>

namespace examsim {

struct AppContext;

// Clears the earlier answers below `test` so its questions can be taken again:
// a `user_attempt_report` that starts with `user_attempts` loses it and the
// next child's text becomes "0"; any other has its first child's text set to "0".
void clearPreviousAttempts(pugi::xml_node test);

// The bookmark store in `doc`, its answers cleared, for a re-take: its root, or
// an empty node without a store or without a question in it; a store that
// cannot be read or parsed shows "Error" first.
pugi::xml_node bookmarksToRetake(AppContext& ctx, pugi::xml_document& doc);

// "BookmarkedQuestionTest": the bookmarked questions with their previous
// attempts cleared, starting at question 1, into the current test file.
// False without a bookmarked question (the caller answers "ri5"); "Error" and
// false when the store cannot be read or parsed.
bool buildBookmarkedTest(AppContext& ctx, double seconds);

// "IncorrectQuestionsTest" (or an adaptive test of 35): every question of the
// history whose latest attempt scored less than its marks, the stored copy of
// its earliest wrong attempt with the attempt removed, in the order first
// found wrong. False when there is none (or too few per level, adaptive).
bool buildIncorrectTest(AppContext& ctx, double seconds, bool adaptive);

}  // namespace examsim
