#include "core/data_file.h"
#include "core/file_io.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/image_screen.h"
#include "screens/image_screen_contract.h"
#include "screens/report_screen.h"
#include "scripted_finish.h"
#include "support/store_fixture.h"
#include "testrun/saved_exam.h"

using namespace examsim;
using namespace examsim::test;
namespace ic = examsim::image_contract;

namespace {

struct FakeImageWindows : ImageWindow, QuestionWindow, ModeScreenReturn, ReportScreen {
    void hideImageScreen() override { log.push_back("hide dnd"); }
    void disableFileMenu() override { log.push_back("file menu off"); }
    double twipsPerPixelX() override { return 15; }
    double twipsPerPixelY() override { return 12; }
    void sizeImageScreen(const ImageScreenSize& s) override { sizes.push_back(s); }
    void hideQuestionScreen() override { log.push_back("hide question"); }
    void showModeScreen() override { log.push_back("mode"); }
    void showReport() override { log.push_back("report"); }
    void showBookmarkExplanations() override { log.push_back("bookmarks"); }
    std::vector<std::string> log;
    std::vector<ImageScreenSize> sizes;
};

class ImageScreen : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        std::string product = productXml(50);
        product.replace(product.find("</product>"), 10,
                        "<product-name>Network Essentials</product-name><help uri='Help'/>"
                        "<tool_tips_texts><tip name='mymentor'>mentor@example.org</tip></tool_tips_texts></product>");
        useProduct(product);
        ctx.windowTitle = "Network Essentials Exam Simulator";
        ctx.currentModeLabel = "Practice2";
        loadReportHistory(ctx);
        writeFile(t / "DragnDrop.wlb", "movie");
        screen.attachMovie(movie);
        screen.load();
        screen.activate();
        windows.log.clear();
        movie.vars[ic::var::QbXml] = playedTestXml(oneMarkQuestions(4, 3));
        movie.vars[ic::var::QuestionIndex] = "2";
    }
    void click(const char* button) { screen.FSCommand(ic::command::ButtonClick, button); }

    FakeMovie movie;
    FakeMovie questionMovie;
    ScriptedFinish finish;
    FakeImageWindows windows;
    frmImage screen{ctx, {&windows, &finish, &windows, &windows, &windows, &questionMovie}};
};

using Sets = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST_F(ImageScreen, LoadTellsTheLabelAndEachShowingTheMovieAfreshWithOneExamSuffix) {
    FakeMovie fresh;
    frmImage other(ctx, {&windows, &finish, &windows, &windows, &windows, &questionMovie});
    other.attachMovie(fresh);
    other.load();
    EXPECT_EQ(fresh.sets, (Sets{{"txtExamMode", "Practice2"}}));
    EXPECT_EQ(other.helpFolder(), "Help");
    for (const std::int16_t size : {0, 12, 12}) {
        movie = FakeMovie();
        ctx.contentSize = size;
        screen.activate();
        EXPECT_EQ(movie.log.at(0), "LoadMovie 0 tempSwf.swf");
        EXPECT_EQ(movie.log.at(1), "Rewind");
        EXPECT_EQ(movie.sets, (Sets{{"contentSize", size ? "13" : "10"},
                                    {"txtTestName", "Network Essentials"},
                                    {"txtExamMode", "Practice 2 Exam"},
                                    {"txtCopyRight", kCopyrightLine}}));
    }
    EXPECT_EQ(ctx.currentModeLabel, "Practice2") << "the label itself is kept";
    EXPECT_EQ(windows.log, (std::vector<std::string>{"file menu off", "file menu off", "file menu off"}));
    EXPECT_FALSE(std::filesystem::exists(t / "tempSwf.swf"));

    const struct {
        const char* label;
        const char* caption;
    } captions[] = {{"Practice2", "Practice 2 Exam"}, {"Diagnostic", "Diagnostic Exam"},
                    {"Practice 1", "Practice 1 Exam"}, {"Practice", "Practice  Exam"},
                    {"practice3", "practice3 Exam"},   {"", " Exam"}};
    for (const auto& c : captions) EXPECT_EQ(frmImage::examCaption(c.label), c.caption) << c.label;
}

TEST_F(ImageScreen, DimensionsSizeTheMovieAndTheWindowOnlyForTwoNumbers) {
    const struct {
        const char* args;
        std::optional<ImageScreenSize> size;
    } cases[] = {
        {"400:300", ImageScreenSize{650, 480, 550 * 15, 400 * 12}},
        {"0:0", ImageScreenSize{250, 180, 150 * 15, 100 * 12}},
        {"480.4:409.6", ImageScreenSize{730, 590, 9456, 6115}},
        {"400", std::nullopt},
        {"400;300", std::nullopt},
        {"wide:300", std::nullopt},
        {"400:", std::nullopt},
        {":300", std::nullopt},
        {"400:300px", std::nullopt},
        {"-5:300", std::nullopt},
        {"400:nan", std::nullopt},
        {"1e9:300", std::nullopt},
    };
    for (const auto& c : cases) {
        windows.sizes.clear();
        screen.FSCommand(ic::command::Dimensions, c.args);
        if (c.size) EXPECT_EQ(windows.sizes, std::vector<ImageScreenSize>{*c.size}) << c.args;
        else EXPECT_TRUE(windows.sizes.empty()) << c.args;
    }
}

TEST_F(ImageScreen, FinishHandsTheRecordToBothMoviesAndHides) {
    const std::string record = "<user_attempt_report><user_attempts><attempt>T1=A</attempt></user_attempts>"
                               "<marks_scored>0</marks_scored></user_attempt_report>";
    for (const std::string& arg : {record, std::string()}) {
        windows.log.clear();
        screen.FSCommand(ic::command::Finish, arg);
        EXPECT_EQ(movie.vars[ic::var::UAR], arg);
        EXPECT_EQ(questionMovie.vars[ic::var::UAR], arg);
        EXPECT_EQ(windows.log, std::vector<std::string>{"hide dnd"});
    }
    movie.vars[ic::var::UAR] = record;
    screen.clearResponse();
    EXPECT_EQ(movie.vars[ic::var::UAR], "");
}

TEST_F(ImageScreen, EachReplyEndsTheTestOnThisScreensDocumentWithoutClearingTheRecord) {
    const struct {
        bool timeOver;
        int option;
        std::size_t records;
        bool saved, closed, stopped;
        std::vector<std::string> windows;
    } cases[] = {
        {false, 0, 1, false, true, false, {"hide dnd", "hide question", "mode"}},
        {false, 1, 0, false, true, false, {"report", "hide dnd", "hide question"}},
        {false, 2, 0, true, true, false, {"hide dnd", "hide question", "mode"}},
        {false, 3, 0, false, true, false, {"hide dnd", "hide question", "mode"}},
        {false, -1, 0, false, false, false, {}},
        {true, 0, 1, false, true, false, {"hide dnd", "hide question", "mode"}},
        {true, 1, 0, false, true, false, {"report", "hide dnd", "hide question"}},
        {true, 2, 0, true, true, false, {"hide dnd", "hide question", "mode"}},
        {true, 3, 0, false, true, true, {"hide dnd", "hide question", "mode"}},
        {true, -1, 0, false, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.timeOver ? "time over, " : "finish, ") + "option " + std::to_string(c.option));
        deleteFile(ctx.paths, savedExamPath(ctx));
        deleteFile(ctx.paths, reportHistoryPath(ctx));
        resetReportHistory(ctx);
        windows.log.clear();
        movie.log.clear();
        movie.sets.clear();
        questionMovie.sets.clear();
        ctx.examClosed = false;
        finish.opened.clear();
        finish.options = {c.option};
        click(c.timeOver ? ic::button::TimeOverTest : ic::button::CmdFinish);
        ASSERT_EQ(finish.opened.size(), 1u);
        EXPECT_EQ(finish.opened[0].timeOver, c.timeOver) << "Cancel is disabled after time over only";
        EXPECT_EQ(records(), c.records);
        EXPECT_EQ(std::filesystem::exists(savedExamPath(ctx)), c.saved);
        EXPECT_EQ(ctx.examClosed, c.closed);
        EXPECT_EQ(std::count(movie.log.begin(), movie.log.end(), "Stop"), c.stopped ? 1 : 0);
        EXPECT_EQ(windows.log, c.windows);
        EXPECT_TRUE(movie.sets.empty() && questionMovie.sets.empty()) << "no \"txtUAR\" is cleared here";
        if (c.saved) {
            pugi::xml_document saved;
            ASSERT_TRUE(loadDataDocumentAt(ctx, savedExamPath(ctx), saved));
            EXPECT_STREQ(saved.document_element().attribute("currentQuestionID").value(), "2");
        }
    }
}

TEST_F(ImageScreen, TimeOverAfterTheTestClosedDoesNothingAndInsideAnOpenDialogReplacesIt) {
    ctx.examClosed = true;
    click(ic::button::TimeOverTest);
    EXPECT_TRUE(finish.opened.empty());
    EXPECT_TRUE(windows.log.empty());

    ctx.examClosed = false;
    finish.options = {ScriptedFinish::kCloseBox, 0};
    finish.during = [this] { click(ic::button::TimeOverTest); };
    click(ic::button::CmdFinish);
    EXPECT_EQ(finish.closedByCaller, 1);
    ASSERT_EQ(finish.opened.size(), 2u);
    EXPECT_TRUE(finish.opened[1].timeOver);
    EXPECT_EQ(records(), 1u) << "the replaced dialog does not end the test again";
}

TEST_F(ImageScreen, SaveAndResumeKeepsTheFlagAndAnUnreadableDocumentStaysOnScreen) {
    click(ic::button::SaveAndResume);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"hide dnd", "hide question", "mode"}));
    EXPECT_FALSE(ctx.examClosed);
    EXPECT_TRUE(std::filesystem::exists(savedExamPath(ctx)));

    deleteFile(ctx.paths, savedExamPath(ctx));
    windows.log.clear();
    movie.vars[ic::var::QbXml] = "";  // a movie that plays one question keeps no test
    click(ic::button::SaveAndResume);
    finish.options = {0};
    click(ic::button::CmdFinish);
    EXPECT_FALSE(std::filesystem::exists(savedExamPath(ctx)));
    EXPECT_EQ(records(), 0u);
    EXPECT_TRUE(windows.log.empty());
    EXPECT_FALSE(host.messages.shown.empty()) << "the learner is told";
}

TEST_F(ImageScreen, FeedbackKillHelpAndAboutReachTheirTargets) {
    screen.FSCommand(ic::command::SendFeedBack, "NE-D-003");
    EXPECT_EQ(host.links.opened, std::vector<std::string>{mailLink("mentor@example.org",
                                                                   "Network Essentials Exam Simulator(QuestionID= NE-D-003)", "")});
    writeFile(currentTestFilePath(ctx), "<item/>");
    screen.FSCommand(ic::command::Kill, "simulator");
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
    click(ic::button::Help);
    click(ic::button::About);
    ASSERT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.help.shown[0].first, t / "Help" / "Help.chm");
    EXPECT_EQ(host.about.shown, 1);
    screen.FSCommand("CloseDragDropWindow", "DragNDrop");
    click("btnUnknown");
    EXPECT_TRUE(windows.log.empty()) << "other commands are ignored";
}
