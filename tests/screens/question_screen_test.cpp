#include "core/data_file.h"
#include "core/file_io.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/exhibit_screen.h"
#include "screens/image_dimension.h"
#include "screens/question_screen.h"
#include "screens/question_screen_contract.h"
#include "screens/report_screen.h"
#include "scripted_finish.h"
#include "support/store_fixture.h"
#include "testrun/saved_exam.h"

#include <map>

using namespace examsim;
using namespace examsim::test;
namespace q = examsim::question;

namespace {

struct FakeWindows : QuestionWindow, ModeScreenReturn, ReportScreen, ExhibitViewer, DragDropScreen {
    void hideQuestionScreen() override { log.push_back("hide"); }
    void disableFileMenu() override { log.push_back("file menu off"); }
    void showModeScreen() override { log.push_back("mode"); }
    void showReport() override { log.push_back("report"); }
    void showBookmarkExplanations() override { log.push_back("bookmarks"); }
    void closeExhibit() override { log.push_back("close exhibit"); }
    void showExhibit(const std::string& path, const std::string& caption) override {
        log.push_back("exhibit " + path + " " + caption);
    }
    bool loaded() override { return dragDropLoaded; }
    void unload() override { log.push_back("unload dnd"), dragDropLoaded = false; }
    void showModal() override { log.push_back("dnd modal " + readFile(handedOver)); }
    void hideScreen() override { log.push_back("hide dnd"); }
    void clearResponse() override { log.push_back("clear uar"); }
    std::vector<std::string> log;
    bool dragDropLoaded = false;
    std::filesystem::path handedOver;
};

struct FakePictures : PictureReader {
    bool pictureSize(const std::filesystem::path& file, ScreenSize& size) override {
        auto it = sizes.find(file.filename().string());
        if (it == sizes.end()) return false;
        size = it->second;
        return true;
    }
    std::map<std::string, ScreenSize> sizes;
};

class QuestionRun : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        std::string product = productXml(50);
        product.replace(product.find("</product>"), 10,
                        "<product-name>Network Essentials</product-name><help uri='Help'/><validate>True</validate>"
                        "<tool_tips_texts><tip name='mymentor'>first@example.org</tip><tip name='btnHelp'>Help</tip>"
                        "<tip name='mymentor'>mentor@example.org</tip></tool_tips_texts></product>");
        useProduct(product);
        ctx.validateValue = "True";
        ctx.windowTitle = "Network Essentials Exam Simulator";
        ctx.currentModeLabel = "Certification";
        ctx.host.pictures = &pictures;
        loadReportHistory(ctx);
        writeFile(t / "vost.wlb", "movie");
        windows.handedOver = currentTestFilePath(ctx);
        screen.attachMovie(movie);
        screen.load();
        screen.activate(9000);
        movie.vars[q::kQbXml] = playedTestXml(oneMarkQuestions(4, 3));
        movie.vars[q::kQuestionIndex] = "3";
    }
    void click(const char* button) { screen.FSCommand(q::kButtonClick, button); }
    // What the windows did since the start variables were sent.
    std::vector<std::string> since() {
        return {windows.log.begin() + 1, windows.log.end()};
    }

    FakeMovie movie;
    ScriptedFinish finish;
    FakeWindows windows;
    FakePictures pictures;
    frmQuestion screen{ctx, {&windows, &finish, &windows, &windows, &windows, &windows}};
};

using Sets = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST_F(QuestionRun, ActivationLoadsTheMovieAfreshThenSendsTheStartVariablesInOrder) {
    const struct {
        std::int16_t contentSize;
        std::string timer;
        std::string sentSize, sentTimer;
    } cases[] = {{0, "", "10", "1"}, {14, "0", "14", "0"}};
    for (const auto& c : cases) {
        movie = FakeMovie();
        windows.log.clear();
        ctx.contentSize = c.contentSize;
        ctx.examTimer = c.timer;
        ctx.screen1024 = true;
        screen.activate(9015);
        EXPECT_EQ(movie.sets, (Sets{{"txtResolution", "-1"},
                                    {"contentSize", c.sentSize},
                                    {"txtTestName", "Network Essentials"},
                                    {"txtCopyRight", kCopyrightLine},
                                    {"reso", "601"},
                                    {"testTime", c.sentTimer},
                                    {"txtExamMode", "Certification"},
                                    {"flagValidate", "True"}}));
        EXPECT_EQ(movie.log.at(0), "LoadMovie 0 tempSwf.swf");
        EXPECT_EQ(movie.log.at(1), "Rewind");
        EXPECT_EQ(ctx.examTimer, c.sentTimer) << "an empty timer choice is stored as 1";
        EXPECT_EQ(windows.log, (std::vector<std::string>{"file menu off"}));
        EXPECT_FALSE(std::filesystem::exists(t / "tempSwf.swf"));
    }
    EXPECT_EQ(screen.helpFolder(), "Help");
    EXPECT_EQ(frmQuestion::movieTop(-101, 40), 75);
    EXPECT_EQ(frmQuestion::movieTop(-100, 40), 40);
    EXPECT_EQ(frmQuestion::movieTop(-99, 40), 0);
}

TEST_F(QuestionRun, EachReplyEndsTheTestItsWay) {
    const struct {
        bool timeOver;
        int option;  // -1: the close box
        std::size_t records;
        bool saved, closed, stopped;
        std::vector<std::string> windows;
    } cases[] = {
        {false, 0, 1, false, true, false, {"hide", "mode"}},
        {false, 1, 0, false, true, false, {"report", "clear uar", "hide"}},
        {false, 2, 0, true, true, false, {"clear uar", "hide", "mode"}},
        {false, 3, 0, false, true, false, {"hide", "mode"}},
        {false, -1, 0, false, false, false, {}},
        {true, 0, 1, false, true, false, {"clear uar", "hide", "mode"}},
        {true, 1, 0, false, true, false, {"report", "clear uar", "hide"}},
        {true, 2, 0, true, true, false, {"clear uar", "hide", "mode"}},
        {true, 3, 0, false, true, true, {"hide", "mode"}},
        {true, -1, 0, false, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.timeOver ? "time over, " : "finish, ") + "option " + std::to_string(c.option));
        loadReportHistory(ctx);
        deleteFile(ctx.paths, savedExamPath(ctx));
        deleteFile(ctx.paths, reportHistoryPath(ctx));
        resetReportHistory(ctx);
        windows.log = {"start"};
        movie.log.clear();
        ctx.examClosed = false;
        finish.opened.clear();
        finish.options = {c.option};
        click(c.timeOver ? q::kTimeOverTest : q::kCmdFinish);
        ASSERT_EQ(finish.opened.size(), 1u);
        EXPECT_EQ(finish.opened[0].timeOver, c.timeOver) << "Cancel is disabled after time over only";
        EXPECT_EQ(records(), c.records);
        EXPECT_EQ(std::filesystem::exists(savedExamPath(ctx)), c.saved);
        EXPECT_EQ(ctx.examClosed, c.closed);
        EXPECT_EQ(std::count(movie.log.begin(), movie.log.end(), "Stop"), c.stopped ? 1 : 0);
        EXPECT_EQ(since(), c.windows);
        if (c.saved) {
            pugi::xml_document saved;
            ASSERT_TRUE(loadDataDocumentAt(ctx, savedExamPath(ctx), saved));
            EXPECT_STREQ(saved.document_element().attribute("currentQuestionID").value(), "3");
        }
        if (c.option == 1) {
            pugi::xml_document shown;
            ASSERT_TRUE(parseXml(shown, readFile(currentTestFilePath(ctx))));
            EXPECT_STREQ(shown.document_element().attribute("marks").value(), "3") << "the report reads the evaluated test";
        }
    }
}

TEST_F(QuestionRun, TimeOverInsideAnOpenFinishDialogReplacesItAndEndsTheTestOnce) {
    // The learner sits in the finish dialog when the clock runs out.
    finish.options = {ScriptedFinish::kCloseBox, 0};
    finish.during = [this] { click(q::kTimeOverTest); };
    click(q::kCmdFinish);
    EXPECT_EQ(finish.closedByCaller, 1);
    ASSERT_EQ(finish.opened.size(), 2u);
    EXPECT_FALSE(finish.opened[0].timeOver);
    EXPECT_TRUE(finish.opened[1].timeOver);
    EXPECT_EQ(records(), 1u) << "the first dialog's close does not end the test again";
    EXPECT_EQ(since(), (std::vector<std::string>{"clear uar", "hide", "mode"}));
}

TEST_F(QuestionRun, AClosedTestIgnoresTimeOverButTheDragDropScreenStillCloses) {
    finish.options = {3};
    click(q::kCmdFinish);
    windows.dragDropLoaded = true;
    click(q::kTimeOverTest);
    EXPECT_EQ(finish.opened.size(), 1u);
    EXPECT_EQ(since(), (std::vector<std::string>{"hide", "mode", "unload dnd"}));
}

TEST_F(QuestionRun, OkWithoutAChoiceNeverRepeatsAnEarlierReply) {
    screen.iReply = "score";  // left from the test before
    finish.options = {ScriptedFinish::kOkWithoutChoice};
    click(q::kCmdFinish);
    EXPECT_EQ(records(), 0u);
    EXPECT_FALSE(ctx.examClosed);
    EXPECT_EQ(since(), std::vector<std::string>{});
}

TEST_F(QuestionRun, APlayedTestThatDoesNotParseStaysOnScreen) {
    movie.vars[q::kQbXml] = "<Test><item>";
    for (int option : {0, 1, 2}) {
        SCOPED_TRACE(option);
        host.messages.shown.clear();
        finish.options = {option};
        click(q::kCmdFinish);
        EXPECT_FALSE(host.messages.shown.empty()) << "the learner is told";
        EXPECT_FALSE(ctx.examClosed);
    }
    click(q::kBtnSaveAndResume);
    EXPECT_EQ(host.messages.shown.back().text, "Error while loading question xml");
    EXPECT_EQ(records(), 0u);
    EXPECT_FALSE(std::filesystem::exists(savedExamPath(ctx)));
    EXPECT_EQ(since(), std::vector<std::string>{});
}

TEST_F(QuestionRun, SaveAndResumeKeepsTheFlagAndTheSavedTestResumesOnce) {
    click(q::kBtnSaveAndResume);
    EXPECT_EQ(since(), (std::vector<std::string>{"hide", "mode"}));
    EXPECT_FALSE(ctx.examClosed);
    ASSERT_TRUE(loadSaveExam(ctx));
    EXPECT_EQ(ctx.currentModeLabel, "Final");
    pugi::xml_document resumed;
    ASSERT_TRUE(parseXml(resumed, readFile(currentTestFilePath(ctx))));
    EXPECT_STREQ(resumed.document_element().attribute("currentQuestionID").value(), "3");
    EXPECT_FALSE(std::filesystem::exists(savedExamPath(ctx)));

    // The resumed test plays and ends like any other.
    screen.activate(9000);
    movie.vars[q::kQbXml] = xmlText(resumed);
    finish.options = {0};
    click(q::kTimeOverTest);
    EXPECT_EQ(records(), 1u);
    EXPECT_TRUE(ctx.examClosed);
}

TEST_F(QuestionRun, FeedbackGoesToTheLastMentorEvenWhenThereIsNone) {
    screen.FSCommand(q::kSendFeedBack, "NE-F-007");
    useProduct("<product><tool_tips_texts/></product>");
    screen.FSCommand(q::kSendFeedBack, "NE-F-008");
    EXPECT_EQ(host.links.opened,
              (std::vector<std::string>{mailLink("mentor@example.org", "Network Essentials Exam SimulatorFeedback: :(NE-F-007)", ""),
                                        mailLink("", "Network Essentials Exam SimulatorFeedback: :(NE-F-008)", "")}));
}

TEST_F(QuestionRun, DragDropQuestionsAreSizedHandedOverAndClosedOnlyForTheirKinds) {
    pictures.sizes = {{"dnd.svg", {600, 400}}, {"a.svg", {90, 30}}, {"b.svg", {91, 31}}, {"c.svg", {92, 32}}};
    const std::string question =
        "<item type=\"DragNDrop\"><resource name=\"questionimage\" uri=\"Database/images\">dnd.svg</resource>"
        "<responses><response name=\"A\" uri=\"Database/images\">a.svg</response><response name=\"B\" uri=\"Database/images\">b.svg</response>"
        "<response name=\"C\" uri=\"Database/images\">c.svg</response></responses></item>";
    const std::string sized =
        "<item type=\"DragNDrop\"><resource name=\"questionimage\" uri=\"Database/images\" height=\"400\" width=\"600\">dnd.svg</resource>"
        "<responses><response name=\"A\" uri=\"Database/images\" height=\"40\" width=\"90\">a.svg</response>"
        "<response name=\"B\" uri=\"Database/images\" height=\"41\" width=\"91\">b.svg</response>"
        "<response name=\"C\" uri=\"Database/images\" height=\"42\" width=\"92\">c.svg</response></responses></item>";
    EXPECT_EQ(setImageDimension(ctx, question), sized);

    screen.FSCommand(q::kDragDropQuestion, question);
    ASSERT_EQ(since().size(), 1u);
    EXPECT_NE(since()[0].find("height=\"42\""), std::string::npos) << "the screen plays the sized question";
    for (const char* kind : {"DragNDrop", "HotSpot", "MultipleHotSpot", "Single Choice", "hotspot", ""})
        screen.FSCommand(q::kCloseDragDropWindow, kind);
    EXPECT_EQ(since(), (std::vector<std::string>{since()[0], "hide dnd", "hide dnd", "hide dnd"}));

    // An unreadable response picture stays unsized; no question picture sizes nothing.
    pictures.sizes.erase("b.svg");
    const std::string partly = setImageDimension(ctx, question);
    EXPECT_NE(partly.find("<response name=\"B\" uri=\"Database/images\">b.svg"), std::string::npos);
    EXPECT_NE(partly.find("height=\"42\""), std::string::npos);
    const std::string noPicture = "<item type=\"HotSpot\"><responses/></item>";
    EXPECT_EQ(setImageDimension(ctx, noPicture), noPicture);
    EXPECT_EQ(setImageDimension(ctx, "<item>"), "");
}

TEST_F(QuestionRun, WithoutADragDropScreenTheHandedOverQuestionDoesNotStayOnDisk) {
    frmQuestion alone(ctx, {&windows, &finish, &windows, &windows, &windows, nullptr});
    alone.attachMovie(movie);
    alone.FSCommand(q::kDragDropQuestion, "<item type=\"HotSpot\"/>");
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
}

TEST_F(QuestionRun, HelpAboutExhibitAndKillReachTheirTargets) {
    writeFile(currentTestFilePath(ctx), "<Test/>");
    screen.FSCommand(q::kKill, "simulator");
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
    click(q::kBtnHelp);
    click(q::kBtnAbout);
    screen.FSCommand(q::kShowExhibit, "exhibit$Database/images/x.svg");
    ASSERT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.help.shown[0].first, t / "Help" / "Help.chm");
    EXPECT_EQ(host.help.shown[0].second, kHelpTopic);
    EXPECT_EQ(host.about.shown, 1);
    EXPECT_EQ(since(), (std::vector<std::string>{"close exhibit", "exhibit exhibit$Database/images/x.svg Image Exhibit"}));
}

TEST_F(QuestionRun, TheExhibitViewerShowsTheSecondPieceInsideTheFolderOnly) {
    const struct {
        const char* path;
        std::optional<std::filesystem::path> shown;
    } cases[] = {{"exhibit$img/x.gif", t / "img" / "x.gif"},
                 {"exhibit$img/x.gif$later", t / "img" / "x.gif"},
                 {"img/x.gif", std::nullopt},
                 {"exhibit$", std::nullopt},
                 {"exhibit$../outside.gif", std::nullopt}};
    for (const auto& c : cases) {
        frmExhibit viewer(ctx);
        viewer.picturePath = c.path;
        viewer.caption = q::kExhibitCaption;
        EXPECT_EQ(viewer.load(), c.shown) << c.path;
        EXPECT_EQ(viewer.caption, "Network Essentials Exam Simulator");
    }
    const auto l = frmExhibit::resizeLayout(false, 6000, 4500);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->viewWidth, 5900);
    EXPECT_EQ(l->viewHeight, 3500);
    EXPECT_EQ(l->closeTop, 3650);
    EXPECT_EQ(l->closeLeft, 2000);
    EXPECT_FALSE(frmExhibit::resizeLayout(false, 6000, 1499));
    EXPECT_FALSE(frmExhibit::resizeLayout(false, 99, 4500));
    EXPECT_FALSE(frmExhibit::resizeLayout(true, 6000, 4500));
}
