#include "reports/report_history.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/error_log.h"
#include "core/file_ops.h"
#include "core/messages.h"
#include "core/xml.h"
#include "reports/evaluation.h"
#include "reports/objective_analysis.h"
#include "reports/step_marker.h"

#include <ctime>

namespace examsim {
namespace {

constexpr const char* kStoreName = "MainReport";

// Report-trace markers of recordReport.
enum Step {
    kStart = 0,
    kDocumentTaken = 1,
    kEvaluated = 2,
    kNotEvaluated = 3,
    kParsed = 4,
    kParseFailed = 5,
    kRootTaken = 6,
    kSectionsFound = 7,
    kObjectivesAnalysed = 8,
    kRecordAppended = 9,
    kTestAttached = 10,
    kStored = 12,
    kReturned = 13,
    kStoreFailed = 20,
    kRolledBack = 21,
    kUserTold = 22,
    kFatal = 25,
};

void mark(AppContext& ctx, Step step) { addStepMarker(ctx.reportTrace, "sv_", step); }

void showCritical(AppContext& ctx, const char* text, const std::string& title = "") {
    if (ctx.host.messages) ctx.host.messages->show(text, msg::OkOnly | msg::Critical, title);
}

[[noreturn]] void fatal(AppContext& ctx) {
    mark(ctx, kFatal);
    reportFatalError(ctx, ctx.reportTrace, errorLogPath(ctx));
}

constexpr const char* kRecordAttributes[] = {"name", "no_of_attempted", "no_of_correct_answer", "total_questions",
                                             "total_marks", "marks", "text_result_analysis", "remarks"};

// The local date as "YYYY-MM-DD".
std::string dayOf(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// The history record as nodes, so any test name or analysis text is stored as
// it is. The day it was scored comes last, for the history page; records
// stored without it read as before.
pugi::xml_node appendRecord(AppContext& ctx, pugi::xml_node history, const pugi::xml_node& evaluated) {
    pugi::xml_node record = history.append_child("Test");
    for (const char* name : kRecordAttributes) record.append_attribute(name).set_value(evaluated.attribute(name).value());
    record.append_attribute("date").set_value(dayOf(ctx.host.clock ? ctx.host.clock->now() : std::time(nullptr)).c_str());
    return record;
}

void makeDefaultReport(AppContext& ctx, pugi::xml_document& doc) {
    doc.reset();
    pugi::xml_node root = doc.append_child("QuestionBank");
    root.append_child("History");
    appendObjectivesSkeleton(ctx, root);
}

}  // namespace

std::filesystem::path reportHistoryPath(const AppContext& ctx) { return dataFilePath(ctx, kStoreName); }

pugi::xml_document& loadReportHistory(AppContext& ctx) {
    pugi::xml_document& doc = ctx.reportDoc;
    if (fileExists(reportHistoryPath(ctx))) {
        bool ok = false;
        try {
            ok = static_cast<bool>(loadDataDocument(ctx, kStoreName, doc));
        } catch (const CryptError&) {
        }
        if (!ok) {
            if (ctx.host.messages) ctx.host.messages->show(messageText(ctx, msgcode::TestDataUnreadable) + "(report Exist)", msg::OkOnly, kStandardTitle);
            if (ctx.host.program) ctx.host.program->endProgram(1);
        }
        return doc;
    }
    makeDefaultReport(ctx, doc);
    return doc;
}

void resetReportHistory(AppContext& ctx) {
    deleteFile(ctx.paths, reportHistoryPath(ctx));
    makeDefaultReport(ctx, ctx.reportDoc);
}

Recorded recordReport(AppContext& ctx, std::string& testXml) {
    mark(ctx, kStart);
    pugi::xml_document& report = ctx.reportDoc;
    mark(ctx, kDocumentTaken);
    Evaluated evaluation = evaluateTest(ctx, testXml);
    if (!evaluation) {
        // evaluateTest has told the user; the played test stays with the caller.
        mark(ctx, kNotEvaluated);
        showCritical(ctx, "Error while loading report xml");
        return failure(RecordFault::NotEvaluated, evaluation.detail());
    }
    std::string evaluatedText = std::move(evaluation).value();
    mark(ctx, kEvaluated);
    pugi::xml_document working;
    if (const XmlParseOutcome parsed = parseXml(working, evaluatedText); !parsed) {
        mark(ctx, kParseFailed);
        showCritical(ctx, "Error while loading report xml");
        return failure(RecordFault::NotEvaluated, "the evaluated test does not parse: " + parsed.description);
    }
    mark(ctx, kParsed);
    const pugi::xml_node evaluated = working.document_element();
    mark(ctx, kRootTaken);

    pugi::xml_node history = selectFirst(report, "QuestionBank/History");
    pugi::xml_node objectives = selectFirst(report, "QuestionBank/Objectives");
    if (!history || !objectives) fatal(ctx);
    mark(ctx, kSectionsFound);

    pugi::xml_document before;
    before.append_copy(objectives);
    try {
        analyseObjectives(ctx, objectives, evaluated);
    } catch (const ObjectiveAnalysisError&) {
        fatal(ctx);
    }
    mark(ctx, kObjectivesAnalysed);

    pugi::xml_node record = appendRecord(ctx, history, evaluated);
    mark(ctx, kRecordAppended);
    record.append_copy(evaluated);
    mark(ctx, kTestAttached);

    try {
        saveDataDocument(ctx, report, kStoreName);
    } catch (const std::exception& e) {
        // Memory goes back to what is stored, and the user learns that the result was not kept.
        mark(ctx, kStoreFailed);
        history.remove_child(record);
        objectives.parent().insert_copy_before(before.first_child(), objectives);
        objectives.parent().remove_child(objectives);
        mark(ctx, kRolledBack);
        showCritical(ctx, "Your report could not be saved.", kStandardTitle);
        mark(ctx, kUserTold);
        return failure(RecordFault::NotStored, e.what());
    }
    mark(ctx, kStored);
    testXml = evaluatedText;
    mark(ctx, kReturned);
    return evaluatedText;
}

bool showPerformanceHistory(AppContext& ctx, Movie& modeMovie) {
    const pugi::xml_node history = selectFirst(ctx.reportDoc, "QuestionBank/History");
    if (!history) {
        showCritical(ctx, "Error while loading history.xml");
        return false;
    }
    modeMovie.SetVariable("perf_xml", xmlText(history));
    const pugi::xml_node objectives = selectFirst(ctx.reportDoc, "QuestionBank/Objectives");
    if (!objectives) {
        showCritical(ctx, "Error while loading Objective.xml");
        return false;
    }
    modeMovie.SetVariable("obj_xml", xmlText(objectives));
    return true;
}

}  // namespace examsim
