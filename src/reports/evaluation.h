#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace examsim {

struct AppContext;

// A played test that cannot be scored, or product report settings that cannot be read.
class EvaluationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Scores a played test document (XML text) and returns its root element as XML
// text with the result attributes on the root and "att" on every question.
// When the test cannot be scored the user sees "qe5" + "(evaluate Test)", the
// report trace goes to the error log, and the result is the empty text.
std::string evaluateTest(AppContext& ctx, const std::string& testXml);

// The analysis text of the first product band holding the percentage, or the
// empty text. Throws EvaluationError when the bands cannot be read.
std::string getResultAnalysis(AppContext& ctx, std::int32_t percentage);

// "Pass" or "Fail" against the product's pass percentage. Throws EvaluationError.
std::string getRemarks(AppContext& ctx, std::int32_t percentage);

}  // namespace examsim
