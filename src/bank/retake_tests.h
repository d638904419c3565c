#pragma once

namespace examsim {

struct AppContext;

// "BookmarkedQuestionTest": the bookmarked questions with their previous
// attempts cleared, starting at question 1, into the current test file.
// False without a bookmark file; "Error" and false when it does not parse.
bool buildBookmarkedTest(AppContext& ctx, double seconds);

// "IncorrectQuestionsTest" (or an adaptive test of 35): every question of the
// history whose latest attempt scored less than its marks, the stored copy of
// its earliest wrong attempt with the attempt removed, in the order first
// found wrong. False when there is none (or too few per level, adaptive).
bool buildIncorrectTest(AppContext& ctx, double seconds, bool adaptive);

}  // namespace examsim
