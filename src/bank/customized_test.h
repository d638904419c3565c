#pragma once
#include <ctime>
#include <string>

namespace examsim {

struct AppContext;

// The date in the short form of the program's C++ locale (as "%x" writes it).
std::string shortDate(std::time_t when);

// A test of the chosen questions of each objective of the selection (root
// element with one child per objective: topic = its first child's text,
// attributes `Beginner`, `Intermediate`, `Expert` = counts): objective order,
// then level order, then pool order. Named "Customized Exam" + today's short
// date, or built as an adaptive test of 35. Answers merged, written to the
// current test file. False when the selection does not parse, yields no
// question, or (adaptive) cannot fill the three level blocks.
bool buildCustomizedTest(AppContext& ctx, double seconds, const std::string& selection, bool adaptive);

}  // namespace examsim
