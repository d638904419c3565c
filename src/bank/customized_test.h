#pragma once
#include "core/result.h"

#include <cstddef>
#include <string>

namespace examsim {

struct AppContext;

// Why a customized test was not built.
enum class CustomizedFault {
    NotParsed,               // the selection is not XML
    NoQuestion,              // the selection yields no question
    BelowAdaptiveThreshold,  // adaptive: a level's requested total rounds to no block (detail: the level)
    TooFewPerLevel,          // adaptive: the questions found cannot fill 10/15/10
};

// The number of questions handed over, or why there are none.
using CustomizedBuild = Result<std::size_t, CustomizedFault>;

// A test of the chosen questions of each objective of the selection (root
// element with one child per objective: topic = its first child's text,
// attributes `Beginner`, `Intermediate`, `Expert` = counts): objective order,
// then level order, then pool order. Named "Customized Exam" + today in the
// user's short date form, or built as an adaptive test of 35. Answers merged,
// written to the current test file. Each question is taken once, even when
// an objective is chosen twice.
CustomizedBuild buildCustomizedTest(AppContext& ctx, double seconds, const std::string& selection, bool adaptive);

}  // namespace examsim
