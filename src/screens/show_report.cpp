#include "screens/show_report.h"

#include "reports/evaluation.h"
#include "screens/report_screen.h"
#include "testrun/saved_exam.h"

namespace examsim {

bool evaluateAndShowReport(AppContext& ctx, const std::string& testXml, ReportScreen& screen) {
    const Evaluated evaluated = evaluateTest(ctx, testXml);
    // A report of nothing would only show an empty screen; evaluateTest has told the user.
    if (!evaluated) return false;
    saveQuestionXml(ctx, *evaluated);
    screen.showReport();
    return true;
}

}  // namespace examsim
