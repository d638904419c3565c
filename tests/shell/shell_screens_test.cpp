#include "core/app_context.h"
#include "core/data_file.h"
#include "core/movie_screen.h"
#include "core/xml.h"
#include "shell/about_screen.h"
#include "shell/instruction_dialog.h"
#include "shell/main_window.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

struct FakeTests : TestLauncher {
    bool startTest(const std::string& name) override {
        started.push_back(name);
        return succeed;
    }
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
    void showInstructions(frmMDIMain& parent) override {
        ++instructions;
        if (cancel) parent.instructionCancelled = true;
    }
    void confirmExit() override { ++exits; }
    int instructions = 0, exits = 0;
    bool cancel = false;
};

const char* kProduct =
    "<product><product-name>Network Essentials</product-name><full_version_name>Network Essentials 2026</full_version_name>"
    "<help uri='Help'/><utp uri='https://example.org/utp'/><examinstruction show='true'/>"
    "<test_instructions uri='Database'>instructions.htm</test_instructions>"
    "<modes><mode name='learningmode'>Learning</mode><mode name='certificationmode'>Certification</mode>"
    "<mode name='interactivequiz'>Quiz</mode></modes>"
    "<screen name='about'><company_link uri='https://example.org'/><email_text uri=''/></screen></product>";

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.paths.setFolder(t.path());
        host.attach(ctx);
        std::filesystem::create_directories(t / "Database");
        parseXml(ctx.productDoc, kProduct);
    }
    TempFolder t;
    AppContext ctx;
    FakeHost host;
    FakeTests tests;
    FakeMode mode;
    FakeDialogs dialogs;
};

std::vector<std::string> captions(const MenuItem& m) {
    std::vector<std::string> out;
    for (const auto& i : m.items) out.push_back(i.caption);
    return out;
}

}  // namespace

TEST_F(Shell, MenusAddPracticeItemsAndDisableWhatIsNotThere) {
    ctx.practiceCount = 3;
    frmMDIMain main(ctx, {.dialogs = &dialogs});
    main.load();
    main.activate();
    EXPECT_EQ(captions(*main.find("mnuPracticeExam")),
              (std::vector<std::string>{"Practice Exam-1", "Practice Exam2", "Practice Exam3"}));
    for (const char* off : {"mnuDiagnostic", "mnuFinal", "mnuPractice(2)", "mnuCustomized", "mnuQuiz", "mnuPerHistory",
                            "mnuQuickRevision"})
        EXPECT_FALSE(main.find(off)->enabled) << off;
    for (const char* on : {"mnuResetAll", "mnuExit", "mnuContent", "mnuAboutVostraneExam", "menuCert"})
        EXPECT_TRUE(main.find(on)->enabled) << on;
    main.menuCommand("mnuDiagnostic");  // disabled: nothing happens
    EXPECT_EQ(dialogs.instructions, 0);
    main.load();  // loading again does not add the items twice
    EXPECT_EQ(main.find("mnuPracticeExam")->items.size(), 3u);

    main.menuCommand("mnuContent");
    ASSERT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.help.shown[0].first, t / "Help" / "Help.chm");
    main.menuCommand("mnuAboutVostraneExam");
    EXPECT_EQ(host.about.shown, 1);
    main.menuCommand("mnuExit");
    main.requestClose();
    EXPECT_EQ(dialogs.exits, 2);
}

TEST_F(Shell, StandardStartsAskForInstructionsAndStopWhenCancelled) {
    ctx.practiceCount = 2;
    frmMDIMain main(ctx, {.tests = &tests, .mode = &mode, .dialogs = &dialogs});
    main.load();
    main.activate();
    dialogs.cancel = true;
    main.menuCommand("mnuFinal");
    EXPECT_TRUE(tests.started.empty());
    dialogs.cancel = false;
    main.menuCommand("mnuFinal");
    main.menuCommand("mnuPractice(2)");
    EXPECT_EQ(dialogs.instructions, 2);
    EXPECT_EQ(tests.started, (std::vector<std::string>{"Final", "Practice 2"}));
    EXPECT_EQ(tests.opened, (std::vector<std::string>{"Certification", "Certification"}));

    firstNamed(ctx.productDoc, "examinstruction").attribute("show").set_value("false");
    tests.succeed = false;
    main.menuCommand("mnuDiagnostic");
    EXPECT_EQ(dialogs.instructions, 2);
    EXPECT_EQ(tests.opened.size(), 2u);

    main.menuCommand("mnuQuiz");
    EXPECT_EQ(mode.frame, 5);
    EXPECT_EQ(mode.label, "Quiz");
    mode.label = "other";
    main.menuCommand("mnuQuiz");
    EXPECT_EQ(mode.label, "other");
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].style, msg::Information);
}

TEST_F(Shell, ResetAllAsksAndDisablesTheHistoryEntries) {
    writeFile(t / "Database" / "MainReport.wlb", "r");
    writeFile(t / "Database" / "bookmark.wlb", "b");
    ctx.catalogue["ri7"] = "Reset every result?";
    frmMDIMain main(ctx, {.mode = &mode, .dialogs = &dialogs});
    main.load();
    main.activate();
    EXPECT_TRUE(main.find("mnuPerHistory")->enabled);

    host.messages.answers = {msg::No};
    main.menuCommand("mnuResetAll");
    EXPECT_TRUE(std::filesystem::exists(t / "Database" / "MainReport.wlb"));
    EXPECT_TRUE(main.find("mnuResetAll")->enabled);
    EXPECT_EQ(host.messages.shown[0].title, "Reset Confirm");
    EXPECT_EQ(host.messages.shown[0].style, msg::YesNo);

    host.messages.answers = {msg::Yes};
    main.menuCommand("mnuResetAll");
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "MainReport.wlb"));
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "bookmark.wlb"));
    EXPECT_FALSE(main.find("mnuPerHistory")->enabled);
    EXPECT_FALSE(main.find("mnuResetAll")->enabled);

    main.activate();
    EXPECT_FALSE(main.find("mnuPerHistory")->enabled);
    writeFile(t / "Database" / "MainReport.wlb", "r");
    main.activate();
    EXPECT_TRUE(main.find("mnuPerHistory")->enabled);
}

TEST(MainWindowLayout, NormalStateKeepsFourToThreeAndMaximisedFills) {
    const MovieLayout normal = resizeLayout(false, 15360, 9000);
    EXPECT_EQ(normal.movieWidth, 15160);
    EXPECT_EQ(normal.mainHeight, 11520);
    EXPECT_EQ(normal.movieHeight, 11300);
    const MovieLayout max = resizeLayout(true, 15360, 9000);
    EXPECT_EQ(max.mainHeight, 9000);
    EXPECT_EQ(max.movieHeight, 8780);
}

TEST_F(Shell, InstructionDialogStoresTheShowChoice) {
    frmMDIMain main(ctx, {});
    frmInstruction d(ctx, main);
    EXPECT_EQ(*d.page(), t / "Database" / "instructions.htm");
    d.cmdCancel();
    EXPECT_TRUE(main.instructionCancelled);
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "Product.wlb"));
    for (bool dontShow : {true, false}) {
        d.cmdOk(dontShow);
        EXPECT_FALSE(main.instructionCancelled);
        pugi::xml_document stored;
        ASSERT_TRUE(loadDataDocument(ctx, "Product", stored));
        EXPECT_STREQ(firstNamed(stored, "examinstruction").attribute("show").value(), dontShow ? "false" : "true");
        EXPECT_FALSE(std::filesystem::exists(t / "Database" / "Product.xml"));
        EXPECT_FALSE(std::filesystem::exists(t / "Database" / "product.xml"));
    }
    d.closeBox();
    EXPECT_TRUE(main.instructionCancelled);
    parseXml(ctx.productDoc, "<product><test_instructions uri='..'>x.htm</test_instructions></product>");
    EXPECT_FALSE(d.page());
}

TEST_F(Shell, AboutScreenSendsItsTextsAndHandlesItsTwoButtons) {
    std::string html = "<html><head></head></html>";
    ctx.movieCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(html.data()), html.size()}, kPassPhrase);
    writeFile(t / "about.wlb", html);
    ctx.versionCode = "1.0.0";
    computeScreenScale(ctx);  // the fake screen is 1024 wide
    FakeMovie movie;
    frmAbout about(ctx);
    about.attachMovie(movie);
    about.load();
    EXPECT_EQ(about.caption(), "Network Essentials Exam Simulator");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"txtTestName", "Network Essentials 2026"}, {"txtCopyRight", kCopyrightLine},
        {"txtEmailSupport", " "},                    {"txtCompanyName", "https://example.org"},
        {"txtSimulatorVersion", "Version: 1.0.0 (Full)"}, {"txtResolution", "-1"}};
    EXPECT_EQ(movie.sets, expected);

    writeFile(t / "Database" / "simulator", "x");
    about.FSCommand("kill", "simulator");
    about.FSCommand("ButtonClick", "btnUTP");
    EXPECT_TRUE(std::filesystem::exists(t / "Database" / "simulator"));
    about.FSCommand("ButtonClick", "btnUtp");
    about.FSCommand("ButtonClick", "emailsupport");
    EXPECT_EQ(host.links.opened, (std::vector<std::string>{"https://example.org/utp", "mailto:"}));
}
