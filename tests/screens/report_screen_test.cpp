#include "bank/bookmark_store.h"
#include "core/file_io.h"
#include "core/links.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/exam_mode_contract.h"
#include "screens/question_screen.h"
#include "screens/report_contract.h"
#include "screens/report_screen_logic.h"
#include "screens/test_run_peers.h"
#include "support/store_fixture.h"
#include "testrun/bookmarks.h"

#include <gmock/gmock.h>

using namespace examsim;
using namespace examsim::test;
namespace rc = examsim::report_contract;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// Every window the report screen reaches, logging what it was asked, in order.
struct FakePeers : ReportWindow, ModeScreenFromReport, DragDropReport, PrintableReportViewer, QuestionScreen, ExhibitViewer {
    void hideReportScreen() override { log.push_back("hide"); }
    Movie* modeMovie() override { return &mode; }
    void showModeScreen() override { log.push_back("mode"); }
    void disableHistoryMenuEntry() override { log.push_back("history entry off"); }
    void showDragDropReport(const std::string& caption, bool response) override {
        log.push_back("dnd " + caption + (response ? " response " : " answer ") + readFile(handedOver));
    }
    void closePrintableReport() override { log.push_back("close print"); }
    void showPrintableReport() override { log.push_back("print " + readFile(handedOver)); }
    void showQuestionScreen(bool) override { log.push_back("question " + readFile(handedOver)); }
    void closeExhibit() override { log.push_back("close exhibit"); }
    void showExhibit(const std::string& picture, const std::string& caption) override {
        log.push_back("exhibit " + picture + " " + caption);
    }
    ReportPeers all() { return {this, this, this, this, nullptr, this, this}; }

    FakeMovie mode;
    std::vector<std::string> log;
    std::filesystem::path handedOver;
};

// A test of three questions: two answered (the first right), one not.
std::string threeQuestions() {
    std::vector<PlayedQuestion> qs = oneMarkQuestions(3, 1);
    qs[2].answered = false;
    return playedTestXml(qs);
}

// The same test with questions bookmarked, with remarks.
std::string bookmarked(const std::vector<std::string>& ids, const std::string& remark = "") {
    std::vector<PlayedQuestion> qs;
    for (const std::string& id : ids) {
        PlayedQuestion q;
        q.questionId = id;
        q.bookmark = "true";
        qs.push_back(q);
    }
    std::string xml = playedTestXml(qs);
    if (!remark.empty())
        for (std::size_t at = xml.find("<bookmark value=\"true\""); at != std::string::npos;
             at = xml.find("<bookmark value=\"true\"", at + 1))
            xml.insert(at + 10, "remark=\"" + remark + "\" ");
    return xml;
}

class ReportScreenTest : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        std::string product = productXml(65);
        product.replace(product.find("</product>"), 10,
                        "<product-name>Network Essentials</product-name><online-resource>https://example.org/more</online-resource>"
                        "<on_line_synchronization_link>https://example.org/sync</on_line_synchronization_link>"
                        "<forum_link>https://example.org/forum</forum_link>"
                        "<online-resources uri=\"Database\">resources.html</online-resources>"
                        "<screen name=\"about\"><email_text uri=\"report@example.org\"/></screen>"
                        "<tool_tips_texts><tool_tip name=\"mymentor\">mentor@example.org</tool_tip></tool_tips_texts></product>");
        useProduct(product);
        for (const char* code : {"ri1", "ri5", "ri8", "rc2", "re1"}) ctx.catalogue[code] = code;
        ctx.currentModeLabel = "Certification";
        loadReportHistory(ctx);
        writeFile(t / "report.wlb", "movie");
        peers.handedOver = currentTestFilePath(ctx);
        screen.attachMovie(movie);
        screen.load();
        movie.vars[rc::var::ReportXml] = threeQuestions();
        movie.vars[rc::var::MyReportXml] = threeQuestions();
        host.messages.shown.clear();
    }
    void command(const std::string& c, const std::string& a = "") { screen.FSCommand(c, a); }
    void click(const std::string& button) { command(rc::command::ButtonClick, button); }
    std::vector<std::string> storedIds() {
        std::vector<std::string> ids;
        pugi::xml_document doc;
        const auto root = loadBookmarks(ctx, doc);
        if (!root) return ids;
        for (pugi::xml_node item : root.value().children("item")) ids.push_back(item.attribute("questionId").value());
        return ids;
    }
    std::string storedText() {
        pugi::xml_document doc;
        return loadBookmarks(ctx, doc) ? xmlText(doc) : "";
    }

    FakeMovie movie;
    FakePeers peers;
    frmReport screen{ctx, peers.all()};
};

using Sets = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST_F(ReportScreenTest, ActivationLoadsTheMovieThenSendsItsVariablesInOrder) {
    const struct {
        bool recordable, bookmarked;
        double twips;
        std::string save, reso, flag;
    } cases[] = {
        {true, false, 9015, "true", "601", "0"},
        // A stored report opened from the history: nothing to save.
        {false, false, 9007.5, "false", "600", "0"},
        {true, true, 9022.5, "true", "602", "1"},  // half to even
    };
    for (const auto& c : cases) {
        movie = FakeMovie();
        ctx.recordableResult = c.recordable;
        screen.reportBookmarked = c.bookmarked;
        screen.activate(c.twips);
        EXPECT_EQ(movie.sets, (Sets{{"onlineLink", "https://example.org/more"},
                                    {"strPassingPercentage", "65"},
                                    {"saveReport", c.save},
                                    {"txtTestName", "Network Essentials"},
                                    {"txtCopyRight", kCopyrightLine},
                                    {"txtExamMode", "Certification"},
                                    {"reso", c.reso},
                                    {"isReportBookMarked", c.flag}}));
        EXPECT_THAT(movie.log, ElementsAre("LoadMovie 0 tempSwf.swf", "SetVariable onlineLink",
                                           "SetVariable strPassingPercentage", "Rewind", testing::_, testing::_, testing::_,
                                           testing::_, testing::_, testing::_));
        EXPECT_FALSE(screen.reportBookmarked) << "the flag is sent once";
    }
}

TEST_F(ReportScreenTest, LoadSendsTheResolutionAndClearsTheBookmarkedFlag) {
    screen.reportBookmarked = true;
    ctx.screen1024 = true;
    movie = FakeMovie();
    screen.load();
    EXPECT_EQ(movie.sets, (Sets{{"txtResolution", "-1"}}));
    EXPECT_FALSE(screen.reportBookmarked);
}

TEST_F(ReportScreenTest, PrintQuestionWritesTheChosenQuestionsInListOrderForTheViewer) {
    command(rc::command::PrintQuestion, "2,1");
    ASSERT_EQ(peers.log.size(), 2u);
    EXPECT_EQ(peers.log[0], "close print");
    const std::string printed = peers.log[1];
    EXPECT_THAT(printed, HasSubstr("<?xml-stylesheet TYPE=\"text/xsl\" type=\"text/xsl\" href=\"print.xsl\"?>\r\n"
                                   "<Test name=\"quiz\"><Product>Network Essentials</Product><Property/>"));
    const auto second = printed.find("questionId=\"q2\""), first = printed.find("questionId=\"q1\"");
    ASSERT_NE(second, std::string::npos);
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(second, first) << "positions in list order";
    EXPECT_EQ(printed.find("questionId=\"q3\""), std::string::npos);
    EXPECT_TRUE(said().empty());
}

TEST_F(ReportScreenTest, PrintQuestionWithNothingToPrintShowsWhyAndWritesNothing) {
    const struct {
        std::string positions, report, message;
        BoxIcon icon;
    } cases[] = {
        {"-1", threeQuestions(), "ri8", msg::Information},
        {"0", threeQuestions(), "ri8", msg::Information},  // the property, not a question
        {"7,x", threeQuestions(), "ri8", msg::Information},
        {"1", "<Test><item", frmReport::kReportNotRead, msg::Critical},
    };
    for (const auto& c : cases) {
        peers.log.clear();
        movie.vars[rc::var::ReportXml] = c.report;
        command(rc::command::PrintQuestion, c.positions);
        EXPECT_THAT(peers.log, ElementsAre("close print")) << c.positions;
        ASSERT_EQ(host.messages.shown.size(), 1u) << c.positions;
        EXPECT_EQ(host.messages.shown[0].text, c.message);
        EXPECT_EQ(host.messages.shown[0].style, (msg::OkOnly | c.icon));
        EXPECT_EQ(host.messages.shown[0].title, "Network Essentials Exam Simulator");
        EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
        said();
    }
}

TEST_F(ReportScreenTest, SaveReportStoresOnceThenSaysItIsAlreadySaved) {
    ctx.recordableResult = true;
    click(rc::button::SaveReport);
    EXPECT_EQ(records(), 1u);
    EXPECT_FALSE(ctx.recordableResult);
    click(rc::button::SaveReport);
    EXPECT_EQ(records(), 1u);
    ASSERT_EQ(host.messages.shown.size(), 2u);
    EXPECT_EQ(host.messages.shown[0].text, frmReport::kSaved);
    EXPECT_EQ(host.messages.shown[1].text, frmReport::kAlreadySaved);
    for (const ShownMessage& m : host.messages.shown) {
        EXPECT_EQ(m.style, BoxStyle(msg::OkOnly));
        EXPECT_EQ(m.title, "Network Essentials Exam Simulator");
    }
}

TEST_F(ReportScreenTest, CloseReportAsksWhileRecordableAndLeavesForTheModeScreen) {
    const struct {
        bool recordable;
        std::vector<BoxAnswer> answers;
        std::size_t records;
        std::vector<std::string> said;
    } cases[] = {
        {true, {msg::Yes}, 1, {"rc2", frmReport::kSaved}},
        {true, {msg::No}, 0, {"rc2"}},
        {false, {}, 0, {}},
    };
    for (const auto& c : cases) {
        resetReportHistory(ctx);
        peers.log.clear();
        ctx.recordableResult = c.recordable;
        host.messages.answers.assign(c.answers.begin(), c.answers.end());
        click(rc::button::CloseReport);
        EXPECT_EQ(records(), c.records);
        EXPECT_EQ(said(), c.said);
        EXPECT_THAT(peers.log, ElementsAre("hide", "mode"));
        EXPECT_EQ(ctx.recordableResult, c.recordable) << "the flag stays as it was";
    }
}

TEST_F(ReportScreenTest, AReportThatCannotBeStoredIsNeverCalledSavedAndStaysOnScreen) {
    std::filesystem::create_directories(reportHistoryPath(ctx) / "blocked");
    ctx.recordableResult = true;
    click(rc::button::SaveReport);
    host.messages.answers = {msg::Yes};
    click(rc::button::CloseReport);
    for (const std::string& text : said()) EXPECT_NE(text, frmReport::kSaved);
    EXPECT_TRUE(ctx.recordableResult) << "the learner may try again";
    EXPECT_TRUE(peers.log.empty()) << "the report is not left behind unsaved";
    EXPECT_EQ(records(), 0u);
}

TEST_F(ReportScreenTest, BookmarkStepOneAsksWhenQuestionsWereBookmarkedThenReturnsToTheFrameItCameFrom) {
    const struct {
        std::string pressed, previous;
        std::vector<BoxAnswer> answers;
        std::vector<std::string> stored;
        std::vector<std::string> said;
        int frame;
    } cases[] = {
        {"2", "examReport", {msg::Yes}, {"b1", "b2"}, {frmReport::kSaveBookmarks, "Bookmarks saved."}, rc::frame::Summary},
        {"2", "reportReview", {msg::No}, {}, {frmReport::kSaveBookmarks}, rc::frame::Review},
        {"0", "examReport", {}, {}, {}, rc::frame::Summary},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(bookmarkStorePath(ctx));
        movie.vars[rc::var::BookmarkPressed] = c.pressed;
        movie.vars[rc::var::PreviousFrame] = c.previous;
        movie.vars[rc::var::QuestionItem] = bookmarked({"b1", "b2"});
        host.messages.answers.assign(c.answers.begin(), c.answers.end());
        command(rc::command::CloseExplanation);
        EXPECT_EQ(storedIds(), c.stored) << c.pressed;
        EXPECT_EQ(said(), c.said);
        EXPECT_EQ(movie.frame, c.frame);
    }
    EXPECT_EQ(host.messages.shown.size(), 0u);
}

TEST_F(ReportScreenTest, SaveBookmarkStoresTheMarkedQuestionsOrSaysHowToMarkOne) {
    movie.vars[rc::var::QuestionItem] = bookmarked({"b1"});
    movie.vars[rc::var::BookmarkPressed] = "0";
    click(rc::button::SaveBookmark);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, frmReport::kUseBookmarkOption);
    EXPECT_EQ(host.messages.shown[0].title, "");
    EXPECT_TRUE(storedIds().empty());
    said();
    movie.vars[rc::var::BookmarkPressed] = "1";
    click(rc::button::SaveBookmark);
    EXPECT_EQ(storedIds(), std::vector<std::string>{"b1"});
    EXPECT_EQ(movie.vars[rc::var::BookmarkPressed], "0");
    EXPECT_THAT(peers.mode.vars[exam_mode_contract::var::NewBookmarks], HasSubstr("questionId=\"b1\""));
}

TEST_F(ReportScreenTest, BookmarkStepTwoUpdatesTheRemarksKeepingTheOtherBookmarksAndOpensTheList) {
    const struct {
        BoxAnswer answer;
        std::string remark;
    } cases[] = {{msg::Yes, "check the port"}, {msg::No, ""}};
    for (const auto& c : cases) {
        std::filesystem::remove(bookmarkStorePath(ctx));
        FakeMovie none;
        bookmarkQuestions(ctx, bookmarked({"b1", "b2", "b3"}), none);
        said();
        peers.log.clear();
        peers.mode = FakeMovie();
        movie.vars[rc::var::BookmarkPressed] = "1";
        host.messages.answers = {c.answer};
        command(rc::command::CloseReportBookmark, bookmarked({"b2"}, "check the port"));
        EXPECT_EQ(said().at(0), frmReport::kUpdateRemarks);
        const std::vector<std::string> expected =
            c.answer == msg::Yes ? std::vector<std::string>{"b1", "b3", "b2"} : std::vector<std::string>{"b1", "b2", "b3"};
        EXPECT_EQ(storedIds(), expected) << "no other bookmark is lost";
        EXPECT_EQ(storedText().find("check the port") != std::string::npos, !c.remark.empty());
        EXPECT_THAT(peers.log, ElementsAre("hide", "mode"));
        using namespace exam_mode_contract;
        EXPECT_THAT(peers.mode.log, testing::IsSupersetOf({"GotoFrame " + std::to_string(frame::Home)}));
        EXPECT_EQ(peers.mode.frame, frame::Bookmarks);
        EXPECT_TRUE(std::filesystem::exists(t / "Database" / "bookmark"));
    }
    // With no store left there is nothing to list.
    std::filesystem::remove(bookmarkStorePath(ctx));
    movie.vars[rc::var::BookmarkPressed] = "0";
    command(rc::command::CloseReportBookmark, "");
    EXPECT_EQ(said(), std::vector<std::string>{"ri5"});
}

TEST_F(ReportScreenTest, EmailReportMailsTheFiveLineSummary) {
    std::string evaluated = "<Test name=\"Final\" total_questions=\"3\" total_marks=\"3\" no_of_correct_answer=\"1\" "
                            "marks=\"1\" remarks=\"Fail\"><property/></Test>";
    movie.vars[rc::var::ReportXml] = evaluated;
    click(rc::button::EmailReport);
    const std::string body = " Total Number of Questions = 3;\r\n Total Marks = 3;\r\n Number of Correct Answers = 1;\r\n"
                             " Marks Obtained = 1;\r\n Remarks = Fail;";
    EXPECT_THAT(host.links.opened, ElementsAre(mailLink("report@example.org", "(Report)", body)));
    EXPECT_TRUE(said().empty());
}

TEST_F(ReportScreenTest, AReportThatDoesNotParseIsNeitherMailedNorPrinted) {
    movie.vars[rc::var::ReportXml] = "<Test total_questions=\"3\"";
    click(rc::button::EmailReport);
    EXPECT_EQ(said(), (std::vector<std::string>{frmReport::kReportNotRead, frmReport::kMailerFailed}));
    command(rc::command::PrintQuestion, "1");
    EXPECT_EQ(said(), (std::vector<std::string>{frmReport::kReportNotRead}));
    EXPECT_TRUE(host.links.opened.empty());
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
}

TEST_F(ReportScreenTest, LinksAndMailOfTheCommandTable) {
    movie.vars[rc::var::MyReportXml] = "<Test name=\"A & B\"><property/></Test>";
    const struct {
        std::string command, args, opened;
    } cases[] = {
        // The report in the query is percent-encoded, so "&" and "<" cannot break the link.
        {"ButtonClick", "btnSubmitScore",
         "https://example.org/sync?%3CTest%20name%3D%22A%20%26%20B%22%3E%3Cproperty%2F%3E%3C%2FTest%3E"},
        {"ButtonClick", "btnDiscussIt", "https://example.org/forum"},
        {"btnSendFeedBack", "NE-1", mailLink("mentor@example.org", "Network Essentials Exam Simulator (NE-1)", "")},
    };
    for (const auto& c : cases) {
        host.links.opened.clear();
        command(c.command, c.args);
        EXPECT_THAT(host.links.opened, ElementsAre(c.opened)) << c.args;
    }
    // The online resources page of the application folder.
    writeFile(t / "Database" / "resources.html", "<p>more</p>");
    host.links.opened.clear();
    click(rc::button::OnlineResources);
    ASSERT_EQ(host.links.opened.size(), 1u);
    EXPECT_EQ(std::filesystem::path(host.links.opened[0]), std::filesystem::canonical(t / "Database" / "resources.html"));
}

TEST_F(ReportScreenTest, MessagesOfTheCommandTable) {
    const struct {
        std::string command, args, text;
        BoxStyle style;
        std::string title;
    } cases[] = {
        {"ButtonClick", "btnPerformanceHistory", "ri1", msg::OkOnly | msg::Information, "Network Essentials Exam Simulator"},
        {"error", "re1", "re1", msg::OkOnly, "Network Essentials Exam Simulator"},
        {"ButtonClick", "btnUTP", "", {}, ""},
        {"noSuchCommand", "", "", {}, ""},
    };
    for (const auto& c : cases) {
        command(c.command, c.args);
        if (c.text.empty()) {
            EXPECT_TRUE(host.messages.shown.empty()) << c.args;
            continue;
        }
        ASSERT_EQ(host.messages.shown.size(), 1u) << c.args;
        EXPECT_EQ(host.messages.shown[0].text, c.text);
        EXPECT_EQ(host.messages.shown[0].style, c.style);
        EXPECT_EQ(host.messages.shown[0].title, c.title);
        said();
    }
    EXPECT_TRUE(peers.log.empty());
}

TEST_F(ReportScreenTest, PerformanceHistoryGoesToTheModeScreensHistoryPage) {
    std::string played = threeQuestions();
    ASSERT_TRUE(recordReport(ctx, played));
    command(rc::command::ExamMode, rc::button::PerformanceHistory);
    EXPECT_THAT(peers.log, ElementsAre("history entry off", "hide", "mode"));
    EXPECT_THAT(peers.mode.vars[exam_mode_contract::var::History], HasSubstr("<History>"));
    EXPECT_EQ(peers.mode.frame, exam_mode_contract::frame::History);
}

TEST_F(ReportScreenTest, DragDropQuestionsGoToTheirScreenThroughTheCurrentTestFile) {
    const std::string question = "<item type=\"DragNDrop\" questionId=\"d1\"><statement>Order</statement></item>";
    command(rc::command::DragDropResponse, question);
    command(rc::command::DragDropRightAnswer, question);
    command(rc::command::DragDropResponse, "<item");
    ASSERT_EQ(peers.log.size(), 2u);
    EXPECT_THAT(peers.log[0], HasSubstr("dnd User Response response "));
    EXPECT_THAT(peers.log[1], HasSubstr("dnd Right Answer answer "));
    EXPECT_THAT(peers.log[1], HasSubstr("<statement>Order</statement>"));
    // Without that screen the question does not stay on disk.
    std::filesystem::remove(currentTestFilePath(ctx));
    frmReport alone(ctx, {});
    alone.attachMovie(movie);
    alone.FSCommand(rc::command::DragDropResponse, question);
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
}

TEST_F(ReportScreenTest, BackToTheTestHandsTheTestShownToTheQuestionScreen) {
    command("showExhibit", "exhibit$Database/images/a.svg");
    click(rc::button::SaveExam);
    ASSERT_EQ(peers.log.size(), 4u);
    EXPECT_EQ(peers.log[0], "close exhibit");
    EXPECT_EQ(peers.log[1], "exhibit exhibit$Database/images/a.svg Image Exhibit");
    EXPECT_EQ(peers.log[2], "hide");
    EXPECT_THAT(peers.log[3], HasSubstr("question <Test name=\"Final\""));
    EXPECT_THAT(peers.log[3], HasSubstr("questionId=\"q3\""));
}
