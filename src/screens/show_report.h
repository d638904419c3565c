#pragma once
#include <string>

namespace examsim {

struct AppContext;
class ReportScreen;

// Scores the played test without recording it, hands the evaluated test to
// the report screen through the current test file and shows that screen.
// False, with nothing written or shown, when the test cannot be scored.
bool evaluateAndShowReport(AppContext& ctx, const std::string& testXml, ReportScreen& screen);

}  // namespace examsim
