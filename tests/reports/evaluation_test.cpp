#include "core/xml.h"
#include "reports/evaluation.h"
#include "screens/report_screen.h"
#include "screens/show_report.h"
#include "support/store_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

// Questions given as {total_marks, marks_scored}.
std::vector<PlayedQuestion> scored(std::initializer_list<std::pair<const char*, const char*>> marks) {
    std::vector<PlayedQuestion> qs;
    for (const auto& [total, got] : marks) {
        qs.emplace_back().totalMarks = total;
        qs.back().marksScored = got;
    }
    return qs;
}

class Evaluation : public StoreFixture {
protected:
    pugi::xml_node evaluate(const std::vector<PlayedQuestion>& qs) {
        const Evaluated evaluated = evaluateTest(ctx, playedTestXml(qs));
        EXPECT_TRUE(evaluated) << evaluated.detail();
        EXPECT_TRUE(parseXml(doc, evaluated ? *evaluated : ""));
        return doc.document_element();
    }
    pugi::xml_document doc;
};

struct RecordingScreen : ReportScreen {
    void showReport() override { ++shown; }
    void showBookmarkExplanations() override {}
    int shown = 0;
};

}  // namespace

TEST_F(Evaluation, TiesRoundToEvenAtEachStepAndPickTheirBandAndVerdict) {
    const struct {
        std::vector<PlayedQuestion> qs;
        const char *attribute, *expected;
    } rows[] = {
        {oneMarkQuestions(8, 1), "text_result_analysis", "Low"},   // 12.5 %
        {oneMarkQuestions(8, 7), "text_result_analysis", "High"},  // 87.5 %
        {oneMarkQuestions(4, 4), "text_result_analysis", ""},      // no band holds 100
        {oneMarkQuestions(8, 1), "total_marks", "8"},
        {scored({{"0.5", "0"}, {"0.5", "0"}, {"1", "1"}}), "total_marks", "1"},  // 0.5 + 0.5 gives 0, then 1
        {scored({{"1", "1"}, {"0.5", "0"}}), "total_marks", "2"},                // 1.5 rounds to the even 2
        {scored({{"2", "1.5"}, {"2", "2.5"}}), "marks", "4"},                    // each text rounded before adding
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(playedTestXml(r.qs));
        EXPECT_STREQ(evaluate(r.qs).attribute(r.attribute).value(), r.expected) << r.attribute;
    }
    EXPECT_EQ(getResultAnalysis(ctx, 12) + getResultAnalysis(ctx, 13), "LowMiddle");
    // Pass at the exact pass percentage, fail one below.
    useProduct(productXml(75));
    EXPECT_STREQ(evaluate(oneMarkQuestions(4, 3)).attribute("remarks").value(), "Pass");
    useProduct(productXml(76));
    EXPECT_STREQ(evaluate(oneMarkQuestions(4, 3)).attribute("remarks").value(), "Fail");
    EXPECT_EQ(getRemarks(ctx, 76) + getRemarks(ctx, 75), "PassFail");
}

TEST_F(Evaluation, CorrectnessIsATextComparisonAndAttemptsNeedUserAttemptsFirst) {
    std::vector<PlayedQuestion> qs = scored({{"1.0", "1"}, {"1", "1"}, {"1", "1"}, {"2", "0"}});  // "1" of "1.0" is not correct
    qs[1].attempted = false;  // not attempted, yet correct
    qs[2].answered = false;   // never shown
    const pugi::xml_node e = evaluate(qs);
    std::string counts, att;
    for (const char* a : {"no_of_attempted", "no_of_correct_answer", "marks", "total_marks", "total_questions"})
        counts += std::string(e.attribute(a).value()) + " ";
    EXPECT_EQ(counts, "2 1 2 5 4 ");  // the unattempted ones count in the maximum
    for (pugi::xml_node q = e.child("item"); q; q = q.next_sibling("item")) att += q.attribute("att").value();
    EXPECT_EQ(att, "1001");
}

TEST_F(Evaluation, EvaluatingAnEvaluatedTestGivesTheSameDocument) {
    const Evaluated once = evaluateTest(ctx, playedTestXml(oneMarkQuestions(5, 3)));
    ASSERT_TRUE(once);
    EXPECT_EQ(evaluateTest(ctx, *once).value(), *once);
}

TEST_F(Evaluation, ATestThatCannotBeScoredShowsEachBoxInTurnAndTheProgramGoesOn) {
    const std::string qe5 = "Cannot read the data. (evaluate Test)";
    const struct {
        std::string xml;
        std::vector<std::string> boxes;
        EvaluationFault why;
    } rows[] = {
        {"<Test name=\"Final\"><property/></Test>", {qe5}, EvaluationFault::NotScorable},  // no maximum to divide by
        {playedTestXml(scored({{"1", "one"}})), {qe5}, EvaluationFault::NotScorable},
        {playedTestXml(scored({{"", "1"}})), {qe5}, EvaluationFault::NotScorable},
        {"", {"error", "Error while loading report xml", qe5}, EvaluationFault::EmptyInput},
        {"<Test><item", {"Error while loading report xml", qe5}, EvaluationFault::NotParsed},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.xml);
        host.messages.shown.clear();
        const Evaluated evaluated = evaluateTest(ctx, r.xml);
        ASSERT_FALSE(evaluated);
        EXPECT_EQ(evaluated.reason(), r.why) << evaluated.detail();
        EXPECT_EQ(shownTexts(), r.boxes);
        EXPECT_EQ(host.messages.shown.back().style, msg::OkOnly);
    }
    EXPECT_EQ(host.program.endCount, 0);
    const std::string log = readFile(t / "errorLog.txt");
    EXPECT_NE(log.find("et_20#et_40#"), std::string::npos) << log;

    // Missing report settings fail the evaluation.
    useProduct("<product><objectives/></product>");
    const Evaluated unsettled = evaluateTest(ctx, playedTestXml(oneMarkQuestions(2, 1)));
    ASSERT_FALSE(unsettled);
    EXPECT_EQ(unsettled.reason(), EvaluationFault::NoReportSettings);
    EXPECT_EQ(unsettled.detail(), "the product has no reports element");
    EXPECT_THROW(getRemarks(ctx, 50), EvaluationError);
    useProduct("<product><reports><test_pass_percentage>50</test_pass_percentage>"
               "<test_result_analysis min_marks=\"x\" max_marks=\"9\">?</test_result_analysis></reports></product>");
    EXPECT_THROW(getResultAnalysis(ctx, 50), EvaluationError);
}

TEST_F(Evaluation, ShowingAReportHandsTheEvaluatedTestOverOnlyWhenItCouldBeScored) {
    RecordingScreen screen;
    const auto handed = t / "Database" / "simulator";
    EXPECT_TRUE(evaluateAndShowReport(ctx, playedTestXml(oneMarkQuestions(2, 1)), screen));
    EXPECT_EQ(screen.shown, 1);
    ASSERT_TRUE(parseXml(doc, readFile(handed)));
    EXPECT_STREQ(doc.document_element().attribute("marks").value(), "1");

    std::filesystem::remove(handed);
    EXPECT_FALSE(evaluateAndShowReport(ctx, "<Test><property/></Test>", screen));
    EXPECT_EQ(screen.shown, 1);
    EXPECT_FALSE(std::filesystem::exists(handed));
}
