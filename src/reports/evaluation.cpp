#include "reports/evaluation.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/error_log.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/product_config.h"
#include "core/xml.h"
#include "core/movie_document.h"
#include "reports/step_marker.h"

#include <optional>
#include <vector>

namespace examsim {
namespace {

// Report-trace markers of the evaluation, so an error log shows how far it got.
enum Step {
    kStart = 0,
    kEmptyInput = 1,
    kParse = 2,
    kParseFailed = 3,
    kRoot = 4,
    kCounted = 5,
    kCountersZeroed = 6,
    kQuestion = 7,
    kAttReset = 8,
    kReportFound = 9,
    kAttempted = 10,
    kMarksFound = 11,
    kMarksAdded = 12,
    kCorrect = 13,
    kMaximumAdded = 14,
    kQuestionsDone = 15,
    kAttemptedSet = 16,
    kCorrectSet = 17,
    kQuestionCountSet = 18,
    kTotalMarksSet = 19,
    kMarksSet = 20,
    kPercentage = 21,
    kAnalysisSet = 22,
    kRemarksSet = 23,
    kSerialised = 24,
    kFailed = 40,
    kFailureShown = 41,
    kLogWritten = 42,
    kGaveUp = 43,
};

void mark(AppContext& ctx, Step step) { addStepMarker(ctx.reportTrace, "et_", step); }

[[noreturn]] void fail(const std::string& why, EvaluationFault fault = EvaluationFault::NotScorable) {
    throw EvaluationError(fault, why);
}

void setNumber(pugi::xml_node node, const char* name, std::int32_t value) { setAttribute(node, name, std::to_string(value)); }

std::int32_t checkedSum(std::int64_t sum) {
    if (sum < INT32_MIN || sum > INT32_MAX) fail("a count or sum is out of range");
    return static_cast<std::int32_t>(sum);
}

// The root's child nodes taken by position; comments and processing
// instructions of a hand-edited file are not questions.
std::vector<pugi::xml_node> questionSlots(const pugi::xml_node& root) {
    std::vector<pugi::xml_node> slots;
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling())
        if (c.type() != pugi::node_comment && c.type() != pugi::node_pi) slots.push_back(c);
    return slots;
}

struct Totals {
    std::int32_t attempted = 0;
    std::int32_t correct = 0;
    std::int32_t marks = 0;
    std::int32_t totalMarks = 0;
};

void scoreQuestion(AppContext& ctx, pugi::xml_node q, Totals& t) {
    mark(ctx, kQuestion);
    if (q.type() != pugi::node_element) fail("a question is not an element");
    if (q.first_child()) {
        setAttribute(q, "att", "0");
        mark(ctx, kAttReset);
    }
    if (pugi::xml_node report = q.child("user_attempt_report")) {
        mark(ctx, kReportFound);
        const pugi::xml_node first = report.first_child();
        if (!first) fail("user_attempt_report without child nodes");
        if (std::string_view(first.name()) == "user_attempts") {
            t.attempted = checkedSum(std::int64_t{t.attempted} + 1);
            setAttribute(q, "att", "1");
            mark(ctx, kAttempted);
        }
        if (pugi::xml_node m = report.child("marks_scored")) {
            mark(ctx, kMarksFound);
            if (!m.first_child()) fail("marks_scored without text");
            const std::string scored = textContent(m.first_child());
            const auto value = wholeNumber(scored);
            if (!value) fail("marks_scored is not a number");
            t.marks = checkedSum(std::int64_t{t.marks} + *value);
            mark(ctx, kMarksAdded);
            // Correct only when the texts agree: "1" against "1.0" is not correct.
            const pugi::xml_attribute total = q.attribute("total_marks");
            if (total && scored == total.value()) {
                t.correct = checkedSum(std::int64_t{t.correct} + 1);
                mark(ctx, kCorrect);
            }
        }
    }
    const pugi::xml_attribute total = q.attribute("total_marks");
    if (!total) fail("a question has no total_marks");
    const auto maximum = numberValue(total.value());
    if (!maximum) fail("total_marks is not a number");
    // The running sum is rounded after every question: two of 0.5 give 0.
    const auto sum = roundedToWhole(t.totalMarks + *maximum);
    if (!sum) fail("the maximum marks are out of range");
    t.totalMarks = *sum;
    mark(ctx, kMaximumAdded);
}

std::string evaluateParsed(AppContext& ctx, pugi::xml_document& doc) {
    const pugi::xml_node root = doc.document_element();
    if (!root) fail("no document element");
    mark(ctx, kRoot);
    const std::vector<pugi::xml_node> slots = questionSlots(root);
    const auto questionCount = static_cast<std::int32_t>(slots.size()) - 1;
    mark(ctx, kCounted);
    Totals t;
    mark(ctx, kCountersZeroed);
    for (std::size_t i = 1; i < slots.size(); ++i) scoreQuestion(ctx, slots[i], t);
    mark(ctx, kQuestionsDone);

    setNumber(root, "no_of_attempted", t.attempted);
    mark(ctx, kAttemptedSet);
    setNumber(root, "no_of_correct_answer", t.correct);
    mark(ctx, kCorrectSet);
    setNumber(root, "total_questions", questionCount);
    mark(ctx, kQuestionCountSet);
    setNumber(root, "total_marks", t.totalMarks);
    mark(ctx, kTotalMarksSet);
    setNumber(root, "marks", t.marks);
    mark(ctx, kMarksSet);

    if (t.totalMarks == 0) fail("the maximum marks are 0, so there is no percentage");
    // Division first, then the multiplication, as the stored results were computed.
    const auto percentage = roundedToWhole(static_cast<double>(t.marks) / t.totalMarks * 100.0);
    if (!percentage) fail("the percentage is out of range");
    mark(ctx, kPercentage);
    setAttribute(root, "text_result_analysis", getResultAnalysis(ctx, *percentage));
    mark(ctx, kAnalysisSet);
    setAttribute(root, "remarks", getRemarks(ctx, *percentage));
    mark(ctx, kRemarksSet);
    std::string out = xmlText(root);
    mark(ctx, kSerialised);
    return out;
}

std::int32_t boundOf(const pugi::xml_node& band, const char* name) {
    const pugi::xml_attribute a = band.attribute(name);
    const auto value = a ? wholeNumber(a.value()) : std::nullopt;
    if (!value) fail(std::string("a result band has no numeric ") + name, EvaluationFault::NoReportSettings);
    return *value;
}

}  // namespace

std::string getResultAnalysis(AppContext& ctx, std::int32_t percentage) {
    if (!productNode(ctx, productkey::Reports)) fail("the product has no reports element", EvaluationFault::NoReportSettings);
    for (const pugi::xpath_node& n : selectAll(ctx.productDoc, productkey::ResultAnalysis)) {
        const pugi::xml_node band = n.node();
        if (boundOf(band, "min_marks") <= percentage && percentage <= boundOf(band, "max_marks"))
            return band.first_child() ? textContent(band.first_child()) : std::string();
    }
    return {};
}

std::string getRemarks(AppContext& ctx, std::int32_t percentage) {
    const auto pass = wholeNumber(productText(ctx, productkey::PassPercentage));
    if (!pass) fail("the product has no numeric pass percentage", EvaluationFault::NoReportSettings);
    return *pass > percentage ? "Fail" : "Pass";
}

Evaluated evaluateTest(AppContext& ctx, const std::string& testXml) {
    mark(ctx, kStart);
    std::optional<EvaluationFault> inputFault;
    if (testXml.empty()) {
        mark(ctx, kEmptyInput);
        inputFault = EvaluationFault::EmptyInput;
        if (ctx.host.messages) ctx.host.messages->show("error", msg::OkOnly, "");
    }
    pugi::xml_document doc;
    mark(ctx, kParse);
    if (!parseMovieXml(ctx, doc, testXml)) {
        mark(ctx, kParseFailed);
        if (!inputFault) inputFault = EvaluationFault::NotParsed;
        if (ctx.host.messages) ctx.host.messages->show("Error while loading report xml", msg::OkOnly | msg::Critical, "");
    }
    try {
        return evaluateParsed(ctx, doc);
    } catch (const EvaluationError& e) {
        // The program goes on: the caller's document is untouched and nothing is recorded.
        mark(ctx, kFailed);
        if (ctx.host.messages) ctx.host.messages->show(messageText(ctx, msgcode::TestDataUnreadable) + "(evaluate Test)", msg::OkOnly, kStandardTitle);
        mark(ctx, kFailureShown);
        try {
            std::string trace = ctx.reportTrace;
            writeErrorLog(trace, errorLogPath(ctx));
            mark(ctx, kLogWritten);
        } catch (const FileWriteError&) {
        }
        mark(ctx, kGaveUp);
        return failure(inputFault.value_or(e.fault()), e.what());
    }
}

}  // namespace examsim
