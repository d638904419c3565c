#include "core/xml.h"
#include "mode_fixture.h"
#include "screens/exam_mode_texts.h"
#include "support/data_files.h"
#include "testrun/bookmarks.h"
#include "testrun/saved_exam.h"

using namespace examsim;
using namespace examsim::test;
namespace text = examsim::exam_mode::text;

namespace {

using Strings = std::vector<std::string>;

class ModeScreen : public ModeFixture {
protected:
    // The current test file's root: its name and number of questions.
    std::pair<std::string, int> handedTest() {
        pugi::xml_document doc;
        if (!parseXml(doc, readFile(currentTestFilePath(ctx)))) return {"(none)", 0};
        const pugi::xml_node root = doc.document_element();
        return {root.attribute("name").value(), static_cast<int>(std::distance(root.children("item").begin(), root.children("item").end()))};
    }
    void clearFlags() { ctx.bookmarkKind = ctx.recordableResult = ctx.quizKind = false, ctx.examClosed = true; }
    Strings bookmarkStore(int items) {
        std::string xml = "<Test name='bookMark'><property/>";
        for (int i = 0; i < items; ++i) xml += "<item questionId='b" + std::to_string(i) + "' topic='Routing' level='Beginner'/>";
        writeDataText(ctx, "bookmark", xml + "</Test>");
        return {};
    }
};

}  // namespace

TEST_F(ModeScreen, LoadWritesThePoolSendsTheProductInOrderAndThenLooksForAnUpdate) {
    mode.emplace(ctx, screens.all());
    mode->attachMovie(movie);
    mode->load();
    Strings names;
    for (const auto& [name, value] : movie.sets) names.push_back(name);
    EXPECT_EQ(names, (Strings{"training_h", "txtTestName", "txtTestamonial", "txtCopyRight", "txtLearningMode", "txtCertificateMode",
                              "txtInteractiveMode", "strObjectives", "strCompareFeatures", "txtTodayTip", "strPassingPercentage",
                              "maxPracticeTest", "txtResolution", "strPoolCounts", "strTips", "strToolTips"}));
    EXPECT_EQ(movie.vars["training_h"], "Live training");
    EXPECT_EQ(movie.vars["txtCertificateMode"], "Certification");
    EXPECT_EQ(movie.vars["txtTodayTip"], "One. Two.");
    EXPECT_EQ(movie.vars["maxPracticeTest"], "2");
    EXPECT_EQ(movie.vars["strPassingPercentage"], "70");
    pugi::xml_document pool;
    ASSERT_TRUE(parseXml(pool, movie.vars["strPoolCounts"]));
    EXPECT_STREQ(pool.child("pool").attribute("total").value(), "8");
    const pugi::xml_node cabling = pool.child("pool").child("objective");
    EXPECT_STREQ(cabling.attribute("name").value(), "Cabling & Media");
    EXPECT_EQ(std::string(cabling.attribute("Beginner").value()) + cabling.attribute("Intermediate").value() +
                  cabling.attribute("Expert").value(), "202");
    EXPECT_EQ(movie.log.front(), "LoadMovie 0 tempSwf.swf");
    EXPECT_FALSE(std::filesystem::exists(t / "tempSwf.swf"));
    EXPECT_EQ(ctx.windowTitle, "Network Essentials Exam Simulator");
    EXPECT_TRUE(mode->poolWritten());
    EXPECT_EQ(handedTest().second, 8) << "the practice pool waits in the current test file";
    EXPECT_EQ(mode->totalQuestions(), 16) << "the quiz is read when it is needed";
    EXPECT_EQ(screens.log, (Strings{"check update"}));

    std::filesystem::create_directories(t / "upgrade");
    writeFile(t / "upgrade" / "updateINFO.txt", "1.1");
    firstNamed(ctx.productDoc, "testmonials").first_child().set_value("");
    movie.vars.clear();
    mode->load();
    EXPECT_EQ(movie.vars["updateBlink"], "True");
    EXPECT_FALSE(movie.vars.contains("txtTestamonial")) << "an empty testimonial is not sent";
    EXPECT_EQ(screens.log, (Strings{"check update"}));

    EXPECT_FALSE(ctx.modeScreenReady);
    // A list an earlier run left is the movie's to remove; nothing else is.
    writeFile(t / "Database" / "bookmark", "x");
    writeFile(t / "Product.wlb", "p");
    command("kill", "..\\Product.wlb");
    EXPECT_TRUE(ctx.modeScreenReady);
    EXPECT_TRUE(std::filesystem::exists(t / "Product.wlb"));
    command("kill", "bookmark");
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "bookmark"));
}

// Every build failure and every refusal is answered by its message, and
// nothing is opened.
TEST_F(ModeScreen, EachFailureIsAnsweredByItsMessageAndOpensNothing) {
    loaded();
    const struct {
        const char *command, *args;
        Strings vars;  // name, value, ...
        Strings said;
        BoxStyle style;
        Strings log;
    } rows[] = {
        {"examTimer", "0", {}, {"qi22"}, msg::OkOnly, {}},
        {"examTimer", "on", {}, {text::kInvalidTimerSetting}, msg::OkOnly, {}},
        {"adaptive", "1", {}, {text::kAdaptiveOn}, msg::OkOnly, {}},
        {"adaptive", "0", {}, {}, msg::OkOnly, {}},
        {"error", "b1", {}, {"ri9"}, msg::OkOnly, {}},
        {"error", "qi23", {}, {text::kInvalidQuestionCount}, msg::OkOnly, {}},
        {"error", "qi16", {}, {"qi16"}, msg::OkOnly, {}},
        {"PracticeExam", "Practice 9", {}, {"qi9"}, msg::OkOnly, {"instructions"}},
        {"StartCustomizedExam", "<custom />", {}, {"ri10"}, msg::OkOnly, {}},
        {"StartAdaptiveExam", "<custom/>", {}, {"ri10"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "random", {"txtRSQuestions", "9", "txtTotalLCTime", "30"}, {"qi16"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "random", {"txtRSQuestions", "", "txtTotalLCTime", "30"}, {text::kInvalidQuestionCount}, msg::OkOnly, {}},
        {"StartCustomizedExam", "random", {"txtRSQuestions", "2", "txtTotalLCTime", ""}, {"qi12"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "random", {"txtRSQuestions", "2", "txtTotalLCTime", "ten"}, {"qi12"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "random", {"txtRSQuestions", "2", "txtTotalLCTime", "301"}, {"qi23"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "incorrect", {"txtTotalLCTime", "30"}, {"ri6"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "bookmark", {"txtTotalLCTime", "30"}, {"ri5"}, msg::OkOnly, {}},
        {"StartCustomizedExam", "<custom><objective Beginner='1'>Nowhere</objective></custom>", {"txtTotalLCTime", "30"}, {"qi21"}, msg::OkOnly, {}},
        {"StartAdaptiveExam", "bookmark", {"txtTotalLCTime", "30"}, {text::kTooFewBookmarks}, msg::OkOnly, {}},
        {"StartAdaptiveExam", "incorrect", {"txtTotalLCTime", "30"}, {"ri6"}, msg::OkOnly, {}},
        {"StartAdaptiveExam", "<custom><objective Beginner='9'>Routing</objective></custom>", {"txtTotalLCTime", "30"}, {"qi21"}, msg::OkOnly, {}},
        {"btnStartQuiz", "undefined", {}, {"qi18"}, msg::Information, {}},
        {"btnStartQuiz", "Routing", {"txtTimePerQuestion", ""}, {text::kInvalidTimePerQuestion}, msg::OkOnly, {}},
        {"btnStartQuiz", "Nowhere", {"txtTimePerQuestion", "30"}, {"qi9"}, msg::OkOnly, {}},
        {"ExamMode", "btnMySaveExam", {}, {"ri4"}, msg::Information, {}},
        {"ExamMode", "btnSaveExam", {}, {"ri4"}, msg::Information, {}},
        {"ButtonClick", "btnSaveExam", {}, {"ri4"}, msg::Information, {}},
        {"ButtonClick", "btnBookmarkedQuestions", {}, {"ri5"}, msg::Information, {}},
        {"ButtonClick", "btnPerformHistory", {}, {"ri1"}, msg::Information, {"mnuResetAll off"}},
        {"ButtonClick", "cmdBackPerformanceHistory", {}, {"ri1"}, msg::Information, {}},
        {"ExamMode", "btnPerformanceHistory", {}, {"ri1"}, msg::Information, {}},
        {"reportByPerformance", "first", {}, {"re1"}, msg::Information, {}},
        {"reportByPerformance", "5", {}, {"re1"}, msg::Information, {}},
        {"showBookMarkExplanation", "<Test", {}, {text::kBookmarkNotReadable}, msg::Critical, {}},
        {"ButtonClick", "btnFont", {"contentSize", "big"}, {text::kInvalidFontSize}, msg::OkOnly, {}},
        {"ButtonClick", "btnTNT", {}, {"si17"}, msg::Information, {}},
        {"ButtonClick", "btnQrn", {}, {text::pageMissing("Database\\QuickRevision.wlb")}, msg::Information, {}},
        {"ButtonClick", "btnPDU", {}, {text::pageMissing("\\database\\PDU.html")}, msg::Information, {}},
        {"btntraining", "", {}, {text::pageMissing("\\training.html")}, msg::Information, {}},
    };
    std::filesystem::remove(currentTestFilePath(ctx));
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.command) + " " + row.args);
        for (std::size_t i = 0; i + 1 < row.vars.size(); i += 2) movie.vars[row.vars[i]] = row.vars[i + 1];
        command(row.command, row.args);
        const auto shown = host.messages.shown;
        EXPECT_EQ(said(), row.said);
        if (!shown.empty()) {
            EXPECT_EQ(shown[0].style, row.style);
            const bool ownTitle = row.said[0] == text::kInvalidQuestionCount;
            EXPECT_EQ(shown[0].title, ownTitle ? "" : "Network Essentials Exam Simulator");
        }
        EXPECT_EQ(screens.log, row.log);
        EXPECT_FALSE(handedOver());
        EXPECT_EQ(movie.frame, 0);
        screens.log.clear();
    }
    EXPECT_EQ(ctx.examTimer, "0") << "a setting that is not a number is not kept";
    EXPECT_EQ(ctx.contentSize, 0);
}

TEST_F(ModeScreen, TheTimerIsComparedAsANumberAndSaysOnInTheProductsOwnWords) {
    loaded();
    for (const char* on : {"1", "1.0", " 1"}) {
        command("examTimer", on);
        EXPECT_EQ(said(), (Strings{"qi24"})) << on;
        EXPECT_EQ(ctx.examTimer, on);
    }
    ctx.catalogue.erase("qi24");
    command("examTimer", "1");
    EXPECT_EQ(said(), (Strings{"qi21"})) << "a product without its own text keeps the old one";
}

TEST_F(ModeScreen, OnlyAdaptiveRandomTestsOf201QuestionsOrMoreAsk) {
    loaded();
    movie.vars = {{"txtTotalLCTime", "30"}, {"txtRSQuestions", "200"}};
    command("StartAdaptiveExam", "random");
    EXPECT_EQ(said(), (Strings{"qi16"})) << "200 asks nothing";
    movie.vars["txtRSQuestions"] = "201";
    host.messages.answers = {msg::No};
    command("StartAdaptiveExam", "random");
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].style, msg::YesNo);
    EXPECT_EQ(host.messages.shown[0].title, "");
    EXPECT_EQ(said(), (Strings{text::kSlowRandomAdaptive})) << "No stops it";
    host.messages.answers = {msg::Yes};
    command("StartAdaptiveExam", "random");
    EXPECT_EQ(said(), (Strings{text::kSlowRandomAdaptive, "qi16"}));
    command("StartCustomizedExam", "random");
    EXPECT_EQ(said(), (Strings{"qi16"})) << "a plain random test never asks";
}

TEST_F(ModeScreen, CertificationMarksOnlyThePracticeTestsTaken) {
    loaded();
    click("btnCert");
    EXPECT_EQ(movie.log.back(), "GotoFrame 3");
    historyOf({"Practice 2", "Final", "Practice 2", "Practice 3"});
    movie.log.clear();
    click("btnCert");
    EXPECT_EQ(movie.log, (Strings{"GotoFrame 3", "TGotoFrame Practice 2 2"}));
    historyOf({"Practice 1", "Practice 2"});
    ctx.contentSize = 3;
    movie.log.clear();
    mode->activate();
    EXPECT_EQ(movie.log, (Strings{"SetVariable contentSize", "TGotoFrame Practice 1 2", "TGotoFrame Practice 2 2"}));
    EXPECT_EQ(movie.vars["contentSize"], "3");
}

TEST_F(ModeScreen, QuizCountsFollowTheTopicsUntilNoneIsChosen) {
    loaded();
    command("mainQuizObjectiveChange", "undefined");
    EXPECT_FALSE(movie.vars.contains("txtNoOfQuestions"));
    command("mainQuizObjectiveChange", "Routing");
    EXPECT_EQ(movie.vars["txtNoOfQuestions"], "2");
    command("mainQuizObjectiveChange", "Routing|$|Cabling & Media");
    EXPECT_EQ(movie.vars["txtNoOfQuestions"], "3");
    movie.sets.clear();
    command("mainQuizObjectiveChange", "undefined");
    EXPECT_TRUE(movie.sets.empty());
    EXPECT_EQ(mode->availableQuizQuestions(), 3);
}

TEST_F(ModeScreen, EachStartHandsItsTestOverWithItsFlagsAndOpensTheQuestionScreen) {
    loaded();
    bookmarkStore(2);
    saveTest(ctx, "<Test name='Practice 1'><property/><item questionId='s'/></Test>", "1");
    movie.vars = {{"txtTotalLCTime", "30"}, {"txtRSQuestions", "3"}, {"txtTimePerQuestion", "45"}};
    const struct {
        const char *command, *args;
        std::pair<std::string, int> test;
        std::string label;
        bool bookmarkKind, recordable, quizKind;
        Strings log;
    } rows[] = {
        {"ExamMode", "btnStartDiagnosticExam", {"Diagnostic", 4}, "Certification", true, true, true, {"instructions", "hide", "question"}},
        {"PracticeExam", "Practice 2", {"Practice 2", 4}, "Certification", true, true, true, {"instructions", "hide", "question"}},
        {"StartCustomizedExam", "<custom><objective Beginner='1' Expert='1'>Cabling &amp; Media</objective></custom>",
         {"Customized Exam" + host.clock.shortDate(host.clock.time), 2}, "Learning", true, true, true, {"hide", "question"}},
        {"StartCustomizedExam", "random", {"Randomize Question Test", 3}, "Learning", true, true, true, {"hide", "question"}},
        {"StartCustomizedExam", "bookmark", {"BookmarkedQuestionTest", 2}, "Learning", false, true, true, {"hide", "question"}},
        {"btnStartQuiz", "Routing", {"Quiz", 2}, "Quiz", true, true, false, {"hide", "question"}},
        {"ExamMode", "btnStartExam", {"Practice 1", 8}, "Learning", true, true, true, {"hide", "question"}},
        {"ExamMode", "btnSaveExam", {"Practice 1", 1}, "Practice 1", true, true, true, {"hide", "question resumed"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.command) + " " + row.args);
        std::filesystem::remove(currentTestFilePath(ctx));
        clearFlags();
        command(row.command, row.args);
        EXPECT_EQ(said(), Strings{});
        EXPECT_EQ(handedTest(), row.test);
        EXPECT_EQ(ctx.currentModeLabel, row.label);
        EXPECT_EQ(ctx.bookmarkKind, row.bookmarkKind);
        EXPECT_EQ(ctx.recordableResult, row.recordable);
        EXPECT_EQ(ctx.quizKind, row.quizKind);
        EXPECT_FALSE(ctx.examClosed);
        EXPECT_EQ(screens.log, row.log);
        screens.log.clear();
    }

    screens.acceptInstructions = false;
    std::filesystem::remove(currentTestFilePath(ctx));
    command("ExamMode", "btnStartFinalExam");
    EXPECT_EQ(screens.log, (Strings{"instructions"}));
    EXPECT_FALSE(handedOver()) << "cancelled instructions build nothing";
}

TEST_F(ModeScreen, TheSavedExamIsTakenUpOnlyWhenTheLearnerSaysYes) {
    loaded();
    saveTest(ctx, "<Test name='Final'><property/><item questionId='s'/></Test>", "1");
    std::filesystem::remove(currentTestFilePath(ctx));
    host.messages.answers = {msg::No};
    command("ExamMode", "btnMySaveExam");
    EXPECT_EQ(said(), (Strings{text::kResumeSavedExam}));
    EXPECT_TRUE(std::filesystem::exists(savedExamPath(ctx)));
    EXPECT_FALSE(handedOver());
    host.messages.answers = {msg::Yes};
    command("ExamMode", "btnMySaveExam");
    EXPECT_EQ(screens.log, (Strings{"hide", "question resumed"}));
    EXPECT_FALSE(std::filesystem::exists(savedExamPath(ctx))) << "a saved exam is taken up once";
    EXPECT_EQ(handedTest().first, "Final");
}

TEST_F(ModeScreen, BookmarksAreListedKeptOrDroppedAndExplained) {
    loaded();
    bookmarkStore(2);
    click("btnBookmarkedQuestions");
    EXPECT_EQ(movie.frame, 11);
    EXPECT_TRUE(std::filesystem::exists(t / "Database" / "bookmark"));

    movie.vars["tempNode"] = "<Test name='bookMark'><property/><item questionId='b1'/></Test>";
    command("saveRemaningBookMark");
    EXPECT_EQ(screens.log, (Strings{"mnuResetAll on"}));
    pugi::xml_document kept;
    ASSERT_TRUE(loadBookmarks(ctx, kept));
    EXPECT_EQ(std::distance(kept.child("Test").begin(), kept.child("Test").end()), 2);
    movie.vars["tempNode"] = "<Test name='bookMark'><property/></Test>";
    command("saveRemaningBookMark");
    EXPECT_FALSE(std::filesystem::exists(bookmarkStorePath(ctx)));

    screens.log.clear();
    command("showBookMarkExplanation", "<Test name='bookMark'><property/><item questionId='b1'/></Test>");
    EXPECT_EQ(screens.log, (Strings{"hide", "bookmark explanations"}));
    EXPECT_EQ(handedTest(), (std::pair<std::string, int>{"bookMark", 1}));
}

TEST_F(ModeScreen, TheHistoryPageHoldsOffResetAllAndOpensAStoredReport) {
    loaded();
    historyOf({"Final", "Practice 1"});
    clearFlags();
    click("btnPerformHistory");
    EXPECT_EQ(screens.log, (Strings{"mnuResetAll off"}));
    EXPECT_EQ(movie.frame, 9);
    EXPECT_NE(movie.vars["perf_xml"].find("Practice 1"), std::string::npos);
    EXPECT_FALSE(ctx.recordableResult);
    EXPECT_TRUE(ctx.quizKind && ctx.bookmarkKind);

    screens.log.clear();
    command("reportByPerformance", "1");
    EXPECT_EQ(screens.log, (Strings{"hide", "report"}));
    EXPECT_EQ(handedTest(), (std::pair<std::string, int>{"Practice 1", 1}));
    EXPECT_FALSE(ctx.recordableResult);

    screens.log.clear();
    click("btnBack");
    EXPECT_EQ(screens.log, (Strings{"mnuResetAll on"}));
    EXPECT_EQ(movie.frame, 2);
}

TEST_F(ModeScreen, SidePagesOpenInsideTheApplicationFolderOnly) {
    loaded();
    for (const char* page : {"examinformation.html", "TTips.wlb", "QuickRevision.wlb", "simulatro_feature.html", "PDU.html",
                             "testimonials.htm", "resources.html"})
        writeFile(t / "Database" / page, "<p>page</p>");
    writeFile(t / "training.html", "<p>page</p>");
    for (const char* b : {"btnExamInformation", "btnReadMore", "btnQrn", "btnSimulatorFeature", "btnPDU", "btnTestimonialMore",
                          "btnOnlineResources", "btnUTP", "btnMyMentor", "btnHelp", "btnAbout", "btnLiveUpdate", "btnNewsletter"})
        click(b);
    command("btntraining");
    command("pgridPopUp");
    EXPECT_EQ(screens.log, (Strings{"print examinformation.html Exam Instructions", "html TTips.wlb Tips",
                                    "html QuickRevision.wlb Quick Revision Notes", "print simulatro_feature.html Simulator Features",
                                    "print PDU.html PDUs", "print testimonials.htm Testimonials", "live update", "grid"}));
    EXPECT_EQ(said(), (Strings{text::pageMissing("\\upgrade\\newsletter\\index.html")}));
    EXPECT_EQ(host.links.opened, (Strings{(t / "Database" / "resources.html").string(), "https://example.org/utp",
                                          "mailto:mentor@example.org?subject=Network%20Essentials%20Exam%20SimulatorMentor%3A%20%3A",
                                          (t / "training.html").string()}));
    EXPECT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.about.shown, 1);

    selectFirst(ctx.productDoc, "//tool_tip[@name='examinformation']").attribute("uri").set_value("..");
    loaded();
    click("btnExamInformation");
    EXPECT_EQ(said(), (Strings{text::pageMissing("..\\examinformation.html")}));
    EXPECT_TRUE(screens.log.empty());
}

TEST_F(ModeScreen, FontSizeIsKeptAsAWholeNumber) {
    loaded();
    movie.vars["contentSize"] = "14";
    click("btnFont");
    EXPECT_EQ(said(), (Strings{text::kFontSizeChosen}));
    EXPECT_EQ(ctx.contentSize, 14);
}
