// A played test as a movie may send it, scored into a report history as a
// damaged file may hold it: the history grows by exactly one record, stored
// as it is in memory, or stays as it was.
#include "core/data_file.h"
#include "core/encoding.h"
#include "core/xml.h"
#include "reports/evaluation.h"
#include "reports/report_history.h"
#include "support/fuzz_app.h"

using namespace examsim;
using namespace examsim::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = app().fresh();
    const auto [stored, played] = splitInput({reinterpret_cast<const char*>(data), size});
    // The bridge hands a movie's text over as UTF-8, and a history holds only
    // what Windows-1252 can store.
    std::string storable;
    if (!utf8ToCp1252(played, storable)) return 0;
    if (!stored.empty()) writeContainer(reportHistoryPath(ctx), stored);
    try {
        loadReportHistory(ctx);
        const std::size_t records = selectAll(ctx.reportDoc, "QuestionBank/History/Test").size();
        const std::string before = xmlText(ctx.reportDoc);
        std::string test(played);
        (void)evaluateTest(ctx, test);
        if (!recordReport(ctx, test)) {
            require(xmlText(ctx.reportDoc) == before, "a test that was not recorded leaves the history as it was");
            return 0;
        }
        require(selectAll(ctx.reportDoc, "QuestionBank/History/Test").size() == records + 1, "one record per scored test");
        pugi::xml_document back;
        require(static_cast<bool>(loadDataDocumentAt(ctx, reportHistoryPath(ctx), back)), "the stored history loads");
        require(contentText(back) == contentText(ctx.reportDoc), "the stored history is the one in memory");
    } catch (const Ended&) {
        // The fatal path: a history that cannot be read ends the program.
    }
    return 0;
}
