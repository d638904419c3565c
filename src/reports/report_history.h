#pragma once
#include "core/result.h"

#include <filesystem>
#include <pugixml.hpp>
#include <string>

namespace examsim {

struct AppContext;
class Movie;

// "/Database/MainReport.wlb" under the application folder.
std::filesystem::path reportHistoryPath(const AppContext& ctx);

// Loads the stored report history into the context's report document, or
// builds the default one (empty history, zero objective scores) when there is
// none. A store that cannot be read shows "qe5" + "(report Exist)" and ends
// the program, leaving the file as it is.
pugi::xml_document& loadReportHistory(AppContext& ctx);

// Deletes the stored history and puts the default report document in memory,
// so nothing of the old history is counted or written back later in the run.
void resetReportHistory(AppContext& ctx);

// Why a played test was not recorded.
enum class RecordFault {
    NotEvaluated,  // it could not be scored
    NotStored,     // the report document could not be written
};

// The evaluated test as XML text, or why nothing was recorded.
using Recorded = Result<std::string, RecordFault>;

// Scores the played test, adds it to the objective scores and to the history,
// and stores the report document. On success the text is replaced by the
// evaluated test, which is also the result. A failure leaves memory and store
// as they were, after the user has been told.
Recorded recordReport(AppContext& ctx, std::string& testXml);

// Sends the history as "perf_xml" and the objective scores as "obj_xml" to the
// mode screen's movie. False, after a message, when either part is missing.
bool showPerformanceHistory(AppContext& ctx, Movie& modeMovie);

}  // namespace examsim
