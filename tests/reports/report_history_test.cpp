#include "core/atomic_file.h"
#include "core/data_file.h"
#include "bank/standard_tests.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "support/store_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class History : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        loadReportHistory(ctx);  // nothing stored yet: the default
    }
    void TearDown() override { setWriteFaultHook({}); }
    Recorded record(const std::vector<PlayedQuestion>& qs, const std::string& name = "Final") {
        std::string text = playedTestXml(qs, name);
        return recordReport(ctx, text);
    }
    std::string stored() {
        pugi::xml_document doc;
        EXPECT_TRUE(loadDataDocument(ctx, "MainReport", doc));
        return xmlText(doc);
    }
};

}  // namespace

TEST_F(History, AFirstStartBuildsTheDefaultFromTheProductObjectives) {
    EXPECT_EQ(xmlText(ctx.reportDoc),
              "<QuestionBank><History/><Objectives>"
              "<objective name=\"A\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/>"
              "<objective name=\"B\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/>"
              "</Objectives></QuestionBank>");
    EXPECT_FALSE(std::filesystem::exists(reportHistoryPath(ctx)));
}

TEST_F(History, RecordsAreStoredOldestFirstAndTheStoreMatchesMemory) {
    std::string first = playedTestXml(oneMarkQuestions(4, 3), "Diagnostic");
    const Recorded recorded = recordReport(ctx, first);
    ASSERT_TRUE(recorded);
    const std::string& result = *recorded;
    EXPECT_EQ(first, result);  // the caller's text is now the evaluated test
    ASSERT_TRUE(record(oneMarkQuestions(4, 1), "Diagnostic"));

    const auto recs = selectAll(ctx.reportDoc, "QuestionBank/History/Test");
    ASSERT_EQ(recs.size(), 2u);
    const pugi::xml_node older = recs[0].node();
    EXPECT_EQ(xmlText(older),
              "<Test name=\"Diagnostic\" no_of_attempted=\"4\" no_of_correct_answer=\"3\" total_questions=\"4\" total_marks=\"4\" "
              "marks=\"3\" text_result_analysis=\"Middle\" remarks=\"Pass\" date=\"2026-12-06\">" + result + "</Test>");
    EXPECT_STREQ(recs[1].node().attribute("remarks").value(), "Fail");
    EXPECT_EQ(xmlText(selectFirst(ctx.reportDoc, "//objective[@name='A']")),
              "<objective name=\"A\" yourscore=\"4\" maxScore=\"8\" percentage=\"50\" result=\"Fail\"/>");

    EXPECT_EQ(stored(), xmlText(ctx.reportDoc));
    EXPECT_EQ(strayFiles({"MainReport.wlb"}), std::vector<std::string>{});
    AppContext restarted;
    restarted.paths = ctx.paths;
    loadReportHistory(restarted);
    EXPECT_EQ(xmlText(restarted.reportDoc), xmlText(ctx.reportDoc));
}

TEST_F(History, NamesAndAnalysisTextsWithMarkupCharactersAreStoredAsTheyAre) {
    useProduct(productXml(65, {"A & <B>"}));
    ctx.productDoc.select_node("//test_result_analysis[2]").node().text().set("Top \"10\" & <best>");
    loadReportHistory(ctx);
    std::vector<PlayedQuestion> qs = oneMarkQuestions(2, 1);
    qs[0].category = qs[1].category = "A & <B>";
    ASSERT_TRUE(record(qs, "Practice \"1\" & <2>"));
    const pugi::xml_node rec = selectFirst(ctx.reportDoc, "QuestionBank/History/Test");
    EXPECT_STREQ(rec.attribute("name").value(), "Practice \"1\" & <2>");
    EXPECT_STREQ(rec.attribute("text_result_analysis").value(), "Top \"10\" & <best>");
    EXPECT_STREQ(selectFirst(ctx.reportDoc, "//objective").attribute("percentage").value(), "50");
    EXPECT_EQ(stored(), xmlText(ctx.reportDoc));
}

TEST_F(History, ATestThatCannotBeScoredRecordsNothing) {
    std::string text = "<Test name=\"Final\"><property/></Test>";
    const Recorded recorded = recordReport(ctx, text);
    ASSERT_FALSE(recorded);
    EXPECT_EQ(recorded.reason(), RecordFault::NotEvaluated);
    EXPECT_EQ(recorded.detail(), "the maximum marks are 0, so there is no percentage");
    EXPECT_EQ(text, "<Test name=\"Final\"><property/></Test>");
    EXPECT_EQ(records(), 0u);
    EXPECT_FALSE(std::filesystem::exists(reportHistoryPath(ctx)));
    EXPECT_EQ(host.program.endCount, 0);
    EXPECT_EQ(shownTexts().back(), "Error while loading report xml");
}

TEST_F(History, AFailedStoreLeavesMemoryAsStoredAndTellsTheUser) {
    ASSERT_TRUE(record(oneMarkQuestions(2, 2)));
    const std::string before = xmlText(ctx.reportDoc);
    setWriteFaultHook([](std::string_view step) { return step != "rename"; });
    const Recorded unstored = record(oneMarkQuestions(2, 0));
    ASSERT_FALSE(unstored);
    EXPECT_EQ(unstored.reason(), RecordFault::NotStored);
    EXPECT_EQ(xmlText(ctx.reportDoc), before);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(shownTexts().back(), "Your report could not be saved.");
    EXPECT_EQ(strayFiles({"MainReport.wlb"}), std::vector<std::string>{});

    setWriteFaultHook({});
    ASSERT_TRUE(record(oneMarkQuestions(2, 0)));
    EXPECT_EQ(records(), 2u);
    EXPECT_EQ(stored(), xmlText(ctx.reportDoc));
}

TEST_F(History, AnUnreadableStoreEndsTheStartAndStaysAsItWas) {
    writeFile(reportHistoryPath(ctx), "not a container of XML");
    EXPECT_THROW(loadReportHistory(ctx), ProgramEnded);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Cannot read the data. (report Exist)"});
    EXPECT_EQ(host.messages.shown[0].title, " Exam Simulator");
    EXPECT_EQ(readFile(reportHistoryPath(ctx)), "not a container of XML");
}

TEST_F(History, AHistoryWithoutObjectivesTakesTheFatalPathWithItsTrace) {
    ASSERT_TRUE(parseXml(ctx.reportDoc, "<QuestionBank><History/></QuestionBank>"));
    EXPECT_THROW(record(oneMarkQuestions(2, 2)), ProgramEnded);
    const std::string log = readFile(t / "errorLog.txt");
    EXPECT_NE(log.find("sv_0#sv_1#et_0#"), std::string::npos) << log;
    EXPECT_NE(log.find("sv_6#sv_25#"), std::string::npos) << log;
    EXPECT_EQ(records(), 0u);
}

TEST_F(History, AResetForgetsTheHistoryInMemoryAsOnDisk) {
    const std::string fresh = xmlText(ctx.reportDoc);
    ASSERT_TRUE(record(oneMarkQuestions(2, 2)));
    EXPECT_FALSE(checkAttemptCap(ctx, "Final"));  // one pass of the default cap of one

    resetReportHistory(ctx);
    EXPECT_FALSE(std::filesystem::exists(reportHistoryPath(ctx)));
    EXPECT_EQ(xmlText(ctx.reportDoc), fresh);
    EXPECT_TRUE(checkAttemptCap(ctx, "Final"));

    // The next record stores only itself: no deleted record or old score comes back.
    ASSERT_TRUE(record(oneMarkQuestions(2, 0)));
    EXPECT_EQ(records(), 1u);
    EXPECT_EQ(xmlText(selectFirst(ctx.reportDoc, "//objective[@name='A']")),
              "<objective name=\"A\" yourscore=\"0\" maxScore=\"2\" percentage=\"0\" result=\"Fail\"/>");
    EXPECT_EQ(stored(), xmlText(ctx.reportDoc));
}

TEST_F(History, PerformanceHistoryGoesToTheModeMovie) {
    ASSERT_TRUE(record(oneMarkQuestions(2, 1)));
    EXPECT_TRUE(showPerformanceHistory(ctx, modeMovie));
    EXPECT_EQ(modeMovie.vars["perf_xml"], xmlText(selectFirst(ctx.reportDoc, "QuestionBank/History")));
    EXPECT_EQ(modeMovie.vars["obj_xml"].rfind("<Objectives><objective name=\"A\" yourscore=\"1\"", 0), 0u);

    ASSERT_TRUE(parseXml(ctx.reportDoc, "<QuestionBank><History/></QuestionBank>"));
    EXPECT_FALSE(showPerformanceHistory(ctx, modeMovie));
    EXPECT_EQ(shownTexts().back(), "Error while loading Objective.xml");
    EXPECT_EQ(host.program.endCount, 0);
}
