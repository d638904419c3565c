#include "core/data_file.h"
#include "core/product_settings.h"
#include "screens/movie_screen.h"
#include "core/xml.h"
#include "screens/about_contract.h"
#include "screens/about_screen.h"
#include "screens/exam_mode_contract.h"
#include "screens/instruction_dialog.h"
#include "screens/main_window_contract.h"
#include "screens/main_window_screen.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

#include <optional>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace menu = main_window_contract::menu;
namespace about = about_contract;

struct FakeTests : TestLauncher {
    bool startTest(const std::string& name) override { return started.push_back(name), succeed; }
    void openQuestionScreen(const std::string& label) override { opened.push_back(label); }
    std::vector<std::string> started, opened;
    bool succeed = true;
};

struct FakeMode : ModeScreenControl {
    int frameNum() override { return frame; }
    void gotoFrame(int f) override { frame = f; }
    void setModeLabel(const std::string& l) override { label = l; }
    bool showCustomOption() override { return true; }
    bool showPerformanceHistory() override { return true; }
    int frame = 0;
    std::string label;
};

struct FakeDialogs : ShellDialogs {
    void showInstructions(InstructionTarget& parent) override { ++instructions, parent.instructionCancelled = cancel; }
    void confirmExit() override { ++exits; }
    int instructions = 0, exits = 0;
    bool cancel = false;
};

class Shell : public ContextFixture {
protected:
    void SetUp() override {
        ContextFixture::SetUp();
        parseXml(ctx.productDoc,
                 "<product><product-name>Network Essentials</product-name><full_version_name>Network Essentials 2026</full_version_name>"
                 "<help uri='Help'/><utp uri='https://example.org/utp'/><examinstruction show='true'/>"
                 "<test_instructions uri='Database'>instructions.htm</test_instructions>"
                 "<modes><mode name='learningmode'>Learning</mode><mode name='certificationmode'>Certification</mode>"
                 "<mode name='interactivequiz'>Quiz</mode></modes>"
                 "<screen name='about'><company_link uri='https://example.org'/><email_text uri=''/></screen></product>");
    }
    // The main window loaded and activated.
    frmMDIMain& open(ShellTargets targets) {
        main.emplace(ctx, targets);
        main->load();
        main->activate();
        return *main;
    }
    bool enabled(const std::string& name) const { return main->find(name)->enabled; }
    std::optional<frmMDIMain> main;
    FakeTests tests;
    FakeMode mode;
    FakeDialogs dialogs;
};

}  // namespace

TEST_F(Shell, MenusAddPracticeItemsAndDisableWhatIsNotThere) {
    ctx.practiceCount = 3;
    open({.dialogs = &dialogs});
    std::vector<std::string> practice;
    for (const MenuItem& i : main->find(menu::PracticeExam)->items) practice.push_back(i.caption);
    EXPECT_EQ(practice, (std::vector<std::string>{"Practice Exam-1", "Practice Exam2", "Practice Exam3"}));
    for (const std::string& off : std::vector<std::string>{menu::Diagnostic, menu::Final, menu::practice(2), menu::Customized,
                                                           menu::Quiz, menu::PerHistory, menu::QuickRevision})
        EXPECT_FALSE(enabled(off)) << off;
    for (const char* on : {menu::ResetAll, menu::Exit, menu::Content, menu::AboutVostraneExam, menu::Cert}) EXPECT_TRUE(enabled(on)) << on;
    main->menuCommand(menu::Diagnostic);  // disabled: nothing happens
    EXPECT_EQ(dialogs.instructions, 0);
    main->load();  // loading again does not add the items twice
    EXPECT_EQ(main->find(menu::PracticeExam)->items.size(), 3u);

    main->menuCommand(menu::Content);
    ASSERT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.help.shown[0].first, t / "Help" / "Help.chm");
    main->menuCommand(menu::AboutVostraneExam);
    EXPECT_EQ(host.about.shown, 1);
    main->menuCommand(menu::Cert);  // the text itself, not a catalogue code
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "temp");
    EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly);
    EXPECT_EQ(host.messages.shown[0].title, " Exam Simulator");
    main->menuCommand(menu::Exit);
    main->requestClose();
    EXPECT_EQ(dialogs.exits, 2);
}

TEST_F(Shell, StandardStartsAskForInstructionsAndStopWhenCancelled) {
    ctx.practiceCount = 2;
    ctx.catalogue["qi14"] = "The quiz is open.";
    open({.tests = &tests, .mode = &mode, .dialogs = &dialogs});
    dialogs.cancel = true;
    main->menuCommand(menu::Final);
    main->menuCommand(menu::practice(1));
    EXPECT_TRUE(tests.started.empty()) << "practice tests are standard tests too";
    dialogs.cancel = false;
    main->menuCommand(menu::Final);
    main->menuCommand(menu::practice(2));
    EXPECT_EQ(dialogs.instructions, 4);
    EXPECT_EQ(tests.started, (std::vector<std::string>{"Final", "Practice 2"}));
    EXPECT_EQ(tests.opened, (std::vector<std::string>{"Certification", "Certification"}));

    setShowExamInstructions(ctx, false);
    tests.succeed = false;
    main->menuCommand(menu::Diagnostic);
    EXPECT_EQ(dialogs.instructions, 4);
    EXPECT_EQ(tests.opened.size(), 2u);

    main->menuCommand(menu::Quiz);
    EXPECT_EQ(mode.frame, exam_mode_contract::frame::Quiz);
    EXPECT_EQ(mode.label, "Quiz");
    mode.label = "other";
    main->menuCommand(menu::Quiz);  // already on the quiz frame
    EXPECT_EQ(mode.label, "other");
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "The quiz is open.");
    EXPECT_EQ(host.messages.shown[0].style, msg::Information);
}

TEST_F(Shell, ResetAllAsksAndDisablesTheHistoryEntries) {
    const auto report = t / "Database" / "MainReport.wlb";
    writeFile(report, "r");
    writeFile(t / "Database" / "bookmark.wlb", "b");
    ctx.catalogue["ri7"] = "Reset every result?";
    open({.mode = &mode, .dialogs = &dialogs});
    EXPECT_TRUE(enabled(menu::PerHistory));

    host.messages.answers = {msg::No};
    main->menuCommand(menu::ResetAll);
    EXPECT_TRUE(std::filesystem::exists(report));
    EXPECT_TRUE(enabled(menu::ResetAll));
    EXPECT_EQ(host.messages.shown[0].text, "Reset every result?");
    EXPECT_EQ(host.messages.shown[0].title, "Reset Confirm");
    EXPECT_EQ(host.messages.shown[0].style, msg::YesNo);

    ASSERT_TRUE(parseXml(ctx.reportDoc, "<QuestionBank><History><Test name=\"Final\" remarks=\"Pass\"/></History><Objectives/></QuestionBank>"));
    host.messages.answers = {msg::Yes};
    main->menuCommand(menu::ResetAll);
    EXPECT_EQ(xmlText(ctx.reportDoc.child("QuestionBank").child("History")), "<History/>");  // not written back later
    EXPECT_FALSE(std::filesystem::exists(report));
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "bookmark.wlb"));
    EXPECT_FALSE(enabled(menu::PerHistory));
    EXPECT_FALSE(enabled(menu::ResetAll));
    writeFile(report, "r");
    main->activate();
    EXPECT_TRUE(enabled(menu::PerHistory));
    EXPECT_FALSE(enabled(menu::ResetAll));  // once reset, for this window's life
}

TEST(MainWindowLayout, NormalStateKeepsFourToThreeAndMaximisedFills) {
    const MovieLayout normal = resizeLayout(false, 15360, 9000), max = resizeLayout(true, 15360, 9000);
    EXPECT_EQ(std::vector<int>({normal.movieWidth, normal.mainHeight, normal.movieHeight}), std::vector<int>({15160, 11520, 11300}));
    EXPECT_EQ(std::vector<int>({max.movieWidth, max.mainHeight, max.movieHeight}), std::vector<int>({15160, 9000, 8780}));
}

TEST_F(Shell, InstructionDialogStoresTheShowChoice) {
    frmInstruction d(ctx, open({}));
    EXPECT_EQ(*d.page(), t / "Database" / "instructions.htm");
    d.cmdCancel();
    EXPECT_TRUE(main->instructionCancelled);
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "Product.wlb"));
    for (bool dontShow : {true, false}) {
        d.cmdOk(dontShow);
        EXPECT_FALSE(main->instructionCancelled);
        pugi::xml_document stored;
        ASSERT_TRUE(loadDataDocument(ctx, "Product", stored));
        EXPECT_STREQ(firstNamed(stored, "examinstruction").attribute("show").value(), dontShow ? "false" : "true");
        for (const char* plain : {"Product.xml", "product.xml"}) EXPECT_FALSE(std::filesystem::exists(t / "Database" / plain));
    }
    d.closeBox();
    EXPECT_TRUE(main->instructionCancelled);
    parseXml(ctx.productDoc, "<product><test_instructions uri='..'>x.htm</test_instructions></product>");
    EXPECT_FALSE(d.page());  // outside the application folder
}

TEST_F(Shell, AboutScreenSendsItsTextsAndHandlesItsButtons) {
    writeEnciphered(ctx, t / "about.wlb", "<html><head></head></html>");
    ctx.versionCode = "1.0.0";
    computeScreenScale(ctx);  // the fake screen is 1024 wide
    FakeMovie movie;
    frmAbout about(ctx);
    about.attachMovie(movie);
    about.load();
    EXPECT_EQ(about.caption(), "Network Essentials Exam Simulator");
    EXPECT_EQ(movie.sets, (std::vector<std::pair<std::string, std::string>>{
                              {about::var::TestName, "Network Essentials 2026"}, {about::var::CopyRight, kCopyrightLine},
                              {about::var::EmailSupport, " "}, {about::var::CompanyName, "https://example.org"},
                              {about::var::SimulatorVersion, "Version: 1.0.0 (Full)"}, {about::var::Resolution, "-1"}}));

    writeFile(t / "Database" / "simulator", "x");
    about.FSCommand(movie_contract::command::Kill, "simulator");  // not a command of this screen
    about.FSCommand(movie_contract::command::ButtonClick, movie_contract::button::UtpUpper);
    EXPECT_TRUE(std::filesystem::exists(t / "Database" / "simulator"));
    about.FSCommand(movie_contract::command::ButtonClick, about::button::Utp);
    about.FSCommand(movie_contract::command::ButtonClick, about::button::EmailSupport);
    EXPECT_EQ(host.links.opened, (std::vector<std::string>{"https://example.org/utp", "mailto:"}));

    // Its own close button closes its window.
    struct Window : ScreenWindow {
        void closeWindow() override { ++closed; }
        int closed = 0;
    } window;
    about.FSCommand(movie_contract::command::ButtonClick, about::button::Close);  // no window: nothing to close
    about.attachWindow(window);
    about.FSCommand(movie_contract::command::ButtonClick, about::button::Close);
    EXPECT_EQ(window.closed, 1);
}
