#pragma once
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace examsim {

struct AppContext;

// Deciphers and parses "Database/QuestionBank.wlb" into the question-bank
// document, appending "lqb_1", "lqb_2", "lqb_3" to the load trace. A text that
// does not parse ("lqb_4:" and the text) or any failure on the way ends in
// reportFatalError with the load trace: without a bank nothing works.
void loadQuestionBank(AppContext& ctx);

// The splash loader's bank step: "lqb_s", loadQuestionBank, "lqb_e", then the
// practice tests counted afresh.
void loadQuestionBankStep(AppContext& ctx);

// Sets the practice-test count to the number of tests of the bank whose name
// begins with "Practice" (case-sensitive); counted afresh on every call.
void countPracticeTests(AppContext& ctx);

// The name of the n-th practice test (from 1): "Practice 1", "Practice 2", ...
// Every place that names a practice test goes through this.
std::string practiceTestName(int n);

// The first child of the bank's root whose `name` is exactly `name`, leaving
// its position (from 0) in the current test index; an empty node when none.
pugi::xml_node findTest(AppContext& ctx, std::string_view name);

// Number of `item` elements in the quiz document and the question bank together.
std::int32_t totalQuestionCount(const AppContext& ctx);

// A new `Test` in `pool`: the first practice test (`test_type` "PracticeTest")
// whole, followed by the items of every later practice test, in bank order.
// Empty when the bank has no practice test. The bank is left unchanged.
void buildPracticePool(const AppContext& ctx, pugi::xml_document& pool);

// The children that pool holds, in the same order, as nodes of the bank itself
// (nothing copied): position 0 is the first practice test's `property`.
std::vector<pugi::xml_node> practicePoolChildren(const AppContext& ctx);

}  // namespace examsim
