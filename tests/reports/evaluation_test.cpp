#include "core/xml.h"
#include "reports/evaluation.h"
#include "reports/report_screen.h"
#include "reports/show_report.h"
#include "support/store_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

struct Evaluated {
    pugi::xml_document doc;
    pugi::xml_node root;
    std::string attr(const char* name) const { return root.attribute(name).value(); }
    std::string att(int question) const {
        pugi::xml_node q = root.first_child();
        for (int i = 0; i < question; ++i) q = q.next_sibling();
        return q.attribute("att").value();
    }
};

class Evaluation : public StoreFixture {
protected:
    Evaluated evaluate(const std::vector<PlayedQuestion>& qs) {
        const std::string text = evaluateTest(ctx, playedTestXml(qs));
        Evaluated e;
        EXPECT_TRUE(parseXml(e.doc, text)) << text;
        e.root = e.doc.document_element();
        return e;
    }
};

}  // namespace

TEST_F(Evaluation, PercentageTiesRoundToEvenAndPickTheirBand) {
    const Evaluated oneOfEight = evaluate(oneMarkQuestions(8, 1));  // 12.5
    EXPECT_EQ(oneOfEight.attr("text_result_analysis"), "Low");
    EXPECT_EQ(oneOfEight.attr("marks"), "1");
    EXPECT_EQ(oneOfEight.attr("total_marks"), "8");
    const Evaluated sevenOfEight = evaluate(oneMarkQuestions(8, 7));  // 87.5
    EXPECT_EQ(sevenOfEight.attr("text_result_analysis"), "High");
    EXPECT_EQ(getResultAnalysis(ctx, 12), "Low");
    EXPECT_EQ(getResultAnalysis(ctx, 13), "Middle");
    EXPECT_EQ(getResultAnalysis(ctx, 100), "");  // no band holds it
    EXPECT_EQ(evaluate(oneMarkQuestions(4, 4)).attr("text_result_analysis"), "");
}

TEST_F(Evaluation, PassAtTheExactPassPercentageAndFailOneBelow) {
    useProduct(productXml(75));
    EXPECT_EQ(evaluate(oneMarkQuestions(4, 3)).attr("remarks"), "Pass");
    useProduct(productXml(76));
    EXPECT_EQ(evaluate(oneMarkQuestions(4, 3)).attr("remarks"), "Fail");
    EXPECT_EQ(getRemarks(ctx, 76), "Pass");
    EXPECT_EQ(getRemarks(ctx, 75), "Fail");
}

TEST_F(Evaluation, CorrectnessIsATextComparisonAndAttemptsNeedUserAttemptsFirst) {
    std::vector<PlayedQuestion> qs(4);
    qs[0].totalMarks = "1.0";  // marks count, not correct
    qs[1].attempted = false;   // not attempted, yet correct
    qs[2].answered = false;    // never shown
    qs[3].totalMarks = "2";
    qs[3].marksScored = "0";
    const Evaluated e = evaluate(qs);
    EXPECT_EQ(e.attr("no_of_attempted"), "2");
    EXPECT_EQ(e.attr("no_of_correct_answer"), "1");
    EXPECT_EQ(e.attr("marks"), "2");
    EXPECT_EQ(e.attr("total_marks"), "5");  // the unattempted ones count in the maximum
    EXPECT_EQ(e.attr("total_questions"), "4");
    EXPECT_EQ(e.att(1), "1");
    EXPECT_EQ(e.att(2), "0");
    EXPECT_EQ(e.att(3), "0");
}

TEST_F(Evaluation, FractionalMaximaAreRoundedIntoTheRunningSum) {
    std::vector<PlayedQuestion> halves(3);
    halves[0].totalMarks = halves[1].totalMarks = "0.5";
    halves[0].marksScored = halves[1].marksScored = "0";
    EXPECT_EQ(evaluate(halves).attr("total_marks"), "1");  // 0.5 + 0.5 gives 0, then 1
    std::vector<PlayedQuestion> oddSum(2);
    oddSum[1].totalMarks = "0.5";
    oddSum[1].marksScored = "0";
    EXPECT_EQ(evaluate(oddSum).attr("total_marks"), "2");  // 1.5 rounds to the even 2
    std::vector<PlayedQuestion> scored(2);
    scored[0].totalMarks = scored[1].totalMarks = "2";
    scored[0].marksScored = "1.5";
    scored[1].marksScored = "2.5";
    EXPECT_EQ(evaluate(scored).attr("marks"), "4");  // each text rounded before adding
}

TEST_F(Evaluation, EvaluatingAnEvaluatedTestGivesTheSameDocument) {
    const std::string once = evaluateTest(ctx, playedTestXml(oneMarkQuestions(5, 3)));
    ASSERT_FALSE(once.empty());
    EXPECT_EQ(evaluateTest(ctx, once), once);
    EXPECT_EQ(ctx.reportTrace.rfind("et_0#et_2#et_4#", 0), 0u) << ctx.reportTrace;
    EXPECT_NE(ctx.reportTrace.find("et_24#"), std::string::npos);
}

TEST_F(Evaluation, ATestThatCannotBeScoredIsReportedAndTheProgramGoesOn) {
    EXPECT_EQ(evaluateTest(ctx, "<Test name=\"Final\"><property/></Test>"), "");
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "Cannot read the data. (evaluate Test)");
    EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly);
    EXPECT_EQ(host.program.endCount, 0);
    const std::string log = readFile(t / "errorLog.txt");
    EXPECT_NE(log.find("et_20#et_40#"), std::string::npos) << log;

    std::vector<PlayedQuestion> noNumber(1);
    noNumber[0].marksScored = "one";
    EXPECT_EQ(evaluateTest(ctx, playedTestXml(noNumber)), "");
    std::vector<PlayedQuestion> noMaximum(1);
    noMaximum[0].totalMarks = "";
    EXPECT_EQ(evaluateTest(ctx, playedTestXml(noMaximum)), "");
    EXPECT_EQ(host.messages.shown.size(), 3u);
}

TEST_F(Evaluation, EmptyOrBrokenInputShowsEachBoxInTurn) {
    EXPECT_EQ(evaluateTest(ctx, ""), "");
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"error", "Error while loading report xml", "Cannot read the data. (evaluate Test)"}));
    host.messages.shown.clear();
    EXPECT_EQ(evaluateTest(ctx, "<Test><item"), "");
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"Error while loading report xml", "Cannot read the data. (evaluate Test)"}));
}

TEST_F(Evaluation, MissingReportSettingsFailTheEvaluation) {
    useProduct("<product><objectives/></product>");
    EXPECT_EQ(evaluateTest(ctx, playedTestXml(oneMarkQuestions(2, 1))), "");
    EXPECT_THROW(getRemarks(ctx, 50), EvaluationError);
    useProduct("<product><reports><test_pass_percentage>50</test_pass_percentage>"
               "<test_result_analysis min_marks=\"x\" max_marks=\"9\">?</test_result_analysis></reports></product>");
    EXPECT_THROW(getResultAnalysis(ctx, 50), EvaluationError);
}

namespace {
struct RecordingScreen : ReportScreen {
    void showReport() override { ++shown; }
    int shown = 0;
};
}  // namespace

TEST_F(Evaluation, ShowingAReportHandsTheEvaluatedTestOverOnlyWhenItCouldBeScored) {
    RecordingScreen screen;
    EXPECT_TRUE(evaluateAndShowReport(ctx, playedTestXml(oneMarkQuestions(2, 1)), screen));
    EXPECT_EQ(screen.shown, 1);
    pugi::xml_document handed;
    ASSERT_TRUE(parseXml(handed, readFile(t / "Database" / "simulator")));
    EXPECT_STREQ(handed.document_element().attribute("marks").value(), "1");

    std::filesystem::remove(t / "Database" / "simulator");
    EXPECT_FALSE(evaluateAndShowReport(ctx, "<Test><property/></Test>", screen));
    EXPECT_EQ(screen.shown, 1);
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "simulator"));
}
