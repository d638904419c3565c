#pragma once
#include <cstdint>
#include <string>

namespace examsim {

struct AppContext;

// Reloads "Database/Quiz.wlb" into the quiz document. A file that is missing
// or does not parse shows "qe2" (critical) and leaves the document empty.
void loadQuizDocument(AppContext& ctx);

// How many questions a quiz of the topics (joined by "|$|", or "All") would
// ask: exactly as many as createQuiz writes for the same topics.
std::int32_t showAvailableQuestion(AppContext& ctx, const std::string& selection, const std::string& quizName);

// Builds a quiz of every question of the topics (joined by ";", or "All"), in
// topic order, each question once, timed `secondsPerQuestion` each, into the
// current test file. False when no question matches.
bool createQuiz(AppContext& ctx, const std::string& selection, std::int32_t secondsPerQuestion, const std::string& quizName);

}  // namespace examsim
