#pragma once
#include <string>

namespace examsim {

struct AppContext;

// A test of the chosen questions of each objective of the selection (root
// element with one child per objective: topic = its first child's text,
// attributes `Beginner`, `Intermediate`, `Expert` = counts): objective order,
// then level order, then pool order. Named "Customized Exam" + today in the
// user's short date form, or built as an adaptive test of 35. Answers merged,
// written to the current test file. False when the selection does not parse,
// yields no question, or (adaptive) cannot fill the three level blocks.
bool buildCustomizedTest(AppContext& ctx, double seconds, const std::string& selection, bool adaptive);

}  // namespace examsim
