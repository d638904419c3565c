#pragma once
#include <optional>
#include <string>

namespace examsim {

// The printable report of chosen questions: the two leading lines (the XML
// declaration and the "print.xsl" stylesheet), then a "quiz" Test holding the
// product name (when one is given), an empty Property and a deep copy of each
// chosen item. `positions` is a comma-separated list of child indexes of the
// report's Test (its property is child 0), taken in list order; a position
// that names no item adds nothing. Nothing when the report does not parse.
std::optional<std::string> printReport(const std::string& reportXml, const std::string& positions,
                                       const std::optional<std::string>& productName);

// True when the positions name at least one item of the report.
bool namesAnyQuestion(const std::string& reportXml, const std::string& positions);

}  // namespace examsim
