#include "core/file_io.h"
#include "core/links.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/live_update.h"
#include "screens/page_viewers.h"
#include "screens/question_screen.h"
#include "screens/report_peers.h"
#include "screens/show_image_screen_contract.h"
#include "screens/show_image_screen.h"
#include "support/store_fixture.h"

using namespace examsim;
using namespace examsim::test;
namespace sc = examsim::show_image_contract;

namespace {

struct FakeReportWindows : ShowImageWindows, ModeScreenFromReport, QuestionScreen, PageViewers {
    void hideShowImage() override { log.push_back("hide show image"); }
    void hideReportScreen() override { log.push_back("hide report"); }
    Movie* modeMovie() override { return movie; }
    void showModeScreen() override { log.push_back("mode"); }
    void disableHistoryMenuEntry() override { log.push_back("history entry off"); }
    void showQuestionScreen(bool) override { log.push_back("question"); }
    void showHtmlPage(const std::filesystem::path& doc, const std::string& caption) override {
        log.push_back("browser " + doc.filename().string() + " " + caption);
        printed = readFile(doc);
    }
    void showPrintablePage(const std::filesystem::path&, const std::string&) override { log.push_back("print"); }
    std::vector<std::string> log;
    std::string printed;
    Movie* movie = nullptr;
};

// The items of a printed document, after its declarations.
std::size_t printedItems(const std::string& text) {
    pugi::xml_document doc;
    const std::size_t at = text.find("<Test");
    if (at == std::string::npos || !parseXml(doc, text.substr(at))) return 0;
    return selectAll(doc, "Test/item").size();
}

// A report's test: property, then three questions whose ids tell them apart.
std::string reportTest() { return playedTestXml(oneMarkQuestions(3, 2), "Practice 1"); }

class ShowImage : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        std::string product = productXml(65);
        product.replace(product.find("</product>"), 10,
                        "<product-name>Network Essentials</product-name>"
                        "<tool_tips_texts><tip name='mymentor'>mentor@example.org</tip></tool_tips_texts></product>");
        useProduct(product);
        ctx.currentModeLabel = "Practice 1";
        loadReportHistory(ctx);
        writeFile(t / "DragnDropReport.wlb", "movie");
        screen.attachMovie(movie);
        screen.load();
        movie.vars[sc::var::ReportXml] = reportTest();
        windows.movie = &modeMovie;
    }
    void click(const char* button) { screen.FSCommand(sc::command::ButtonClick, button); }

    FakeMovie movie;
    FakeMovie modeMovie;
    FakeReportWindows windows;
    frmShowImage screen{ctx, {&windows, &windows, &windows, &windows, nullptr}};
};

using Sets = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST_F(ShowImage, TheLearnersAnswerThenTheRightOneEachShowingTheProductTexts) {
    ctx.recordableResult = false;
    screen.showUserResponse = true;
    for (const char* shown : {"1", "2"}) {
        movie = FakeMovie();
        screen.activate();
        EXPECT_EQ(movie.log.at(0), "LoadMovie 0 tempSwf.swf");
        EXPECT_EQ(movie.sets, (Sets{{"txtResolution", "0"},
                                    {"strPassingPercentage", "65"},
                                    {"saveReport", "false"},
                                    {"txtTestName", "Network Essentials"},
                                    {"txtCopyRight", kCopyrightLine},
                                    {"txtExamMode", "Practice 1"},
                                    {"WhatToShow", shown}}));
        EXPECT_EQ(movie.log.at(3), "Rewind") << "after the pass percentage";
        EXPECT_FALSE(screen.showUserResponse) << "the flag is cleared once sent";
    }
}

TEST_F(ShowImage, PrintQuestionPrintsTheChosenChildrenOrTheWholeReportInTheBrowser) {
    const std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<?xml-stylesheet TYPE=\"text/xsl\" href=\"print.xsl\"?>\r\n";
    const struct {
        const char* positions;
        std::vector<std::string> ids;
    } cases[] = {{"1,3", {"q1", "q3"}}, {"3,1", {"q3", "q1"}}, {"0,9,x", {}}, {"2", {"q2"}}};
    for (const auto& c : cases) {
        const std::string text = screen.printReport(c.positions);
        ASSERT_EQ(text.substr(0, head.size()), head) << c.positions;
        pugi::xml_document doc;
        ASSERT_TRUE(parseXml(doc, text.substr(head.size())));
        EXPECT_STREQ(doc.document_element().name(), "Test");
        EXPECT_STREQ(doc.document_element().attribute("name").value(), "quiz");
        EXPECT_STREQ(doc.document_element().first_child().name(), "Property");
        EXPECT_FALSE(doc.document_element().child("Product")) << "no product name here";
        std::vector<std::string> ids;
        for (pugi::xml_node item : doc.document_element().children("item")) ids.push_back(item.attribute("questionId").value());
        EXPECT_EQ(ids, c.ids) << c.positions;
    }

    screen.FSCommand(sc::command::PrintQuestion, "-1");
    EXPECT_EQ(windows.log, std::vector<std::string>{"browser simulator Print Report"});
    EXPECT_NE(windows.printed.find("print.xsl"), std::string::npos);
    EXPECT_EQ(printedItems(windows.printed), 3u) << "the whole report";
    screen.FSCommand(sc::command::PrintQuestion, "1,3");
    EXPECT_EQ(printedItems(windows.printed), 2u);

    movie.vars[sc::var::ReportXml] = "<Test><item>";
    screen.printReport("1");
    EXPECT_EQ(host.messages.shown.back().text, "Error while loading report xml");
    EXPECT_EQ(host.messages.shown.back().style, msg::OkOnly | msg::Critical);
}

TEST_F(ShowImage, SaveReportRecordsEachTimeButSaysSavedOnlyWhenItWas) {
    ctx.recordableResult = false;  // neither tested nor cleared here
    ctx.bookmarkKind = false;
    click(sc::button::SaveReport);
    click(sc::button::SaveReport);
    EXPECT_EQ(records(), 2u);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"Your Report has been Saved!", "Your Report has been Saved!"}));
    EXPECT_FALSE(ctx.recordableResult);

    host.messages.shown.clear();
    movie.vars[sc::var::ReportXml] = "<Test><item>";
    click(sc::button::SaveReport);
    EXPECT_EQ(records(), 2u);
    for (const std::string& text : shownTexts()) EXPECT_NE(text, "Your Report has been Saved!");
}

TEST_F(ShowImage, LeavingForAnotherScreenHidesThisOneAndTheReportScreen) {
    click(sc::button::PerformanceHistory);
    ASSERT_EQ(host.messages.shown.size(), 1u) << "no history yet";
    EXPECT_TRUE(windows.log.empty());

    click(sc::button::SaveReport);
    host.messages.shown.clear();
    screen.FSCommand(sc::command::ExamMode, sc::button::PerformanceHistory);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"history entry off", "hide show image", "hide report", "mode"}));
    EXPECT_EQ(modeMovie.log.back(), "GotoFrame 9");
    EXPECT_FALSE(modeMovie.vars["perf_xml"].empty()) << "the history went to the mode movie";
    windows.log.clear();
    windows.movie = nullptr;
    click(sc::button::PerformanceHistory);
    EXPECT_EQ(host.messages.shown.size(), 1u) << "a history that cannot be shown is told";
    EXPECT_TRUE(windows.log.empty());

    click(sc::button::SaveExam);
    screen.FSCommand(sc::command::Finish, "");
    EXPECT_EQ(windows.log, (std::vector<std::string>{"hide show image", "hide report", "question", "hide show image"}));
}

TEST_F(ShowImage, FeedbackMailAndSubmitUseThisScreensTexts) {
    screen.FSCommand(sc::command::SendFeedBack, "NE-D-003");
    click(sc::button::EmailReport);
    ASSERT_EQ(host.links.opened.size(), 2u);
    EXPECT_EQ(host.links.opened[0], mailLink("mentor@example.org", "QuestionID= NE-D-003", ""));
    std::string evaluated = reportTest();
    ASSERT_TRUE(recordReport(ctx, evaluated));
    movie.vars[sc::var::ReportXml] = evaluated;
    click(sc::button::EmailReport);
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, evaluated));
    const std::string remarks = doc.document_element().attribute("remarks").value();
    ASSERT_FALSE(remarks.empty());
    EXPECT_EQ(host.links.opened[2], mailLink("", "Report",
                                             "Number Of Correct Answer = 2\r\n  Total Questions = 3\r\n  Total Marks = 3\r\n"
                                             "  Marks = 2\r\n  Remarks = " + remarks));
}
