#pragma once
#include "core/result.h"

#include <cstdint>
#include <stdexcept>
#include <string>

namespace examsim {

struct AppContext;

// Why a played test was not scored.
enum class EvaluationFault {
    EmptyInput,        // no text was given
    NotParsed,         // the text is not XML
    NotScorable,       // a question breaks the rules, or a count or sum is out of range
    NoReportSettings,  // the product's result bands or pass percentage cannot be read
};

// A played test that cannot be scored, or product report settings that cannot be read.
class EvaluationError : public std::runtime_error {
public:
    EvaluationError(EvaluationFault fault, const std::string& why) : std::runtime_error(why), fault_(fault) {}
    EvaluationFault fault() const { return fault_; }

private:
    EvaluationFault fault_;
};

// The evaluated test as XML text, or why there is none.
using Evaluated = Result<std::string, EvaluationFault>;

// Scores a played test document (XML text) and returns its root element as XML
// text with the result attributes on the root and "att" on every question.
// When the test cannot be scored the user sees "qe5" + "(evaluate Test)" (after
// "error" for an empty text, "Error while loading report xml" for one that does
// not parse), the report trace goes to the error log, and the result says why.
Evaluated evaluateTest(AppContext& ctx, const std::string& testXml);

// The analysis text of the first product band holding the percentage, or the
// empty text. Throws EvaluationError when the bands cannot be read.
std::string getResultAnalysis(AppContext& ctx, std::int32_t percentage);

// "Pass" or "Fail" against the product's pass percentage. Throws EvaluationError.
std::string getRemarks(AppContext& ctx, std::int32_t percentage);

}  // namespace examsim
