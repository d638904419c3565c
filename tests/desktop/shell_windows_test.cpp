#include "core/data_file.h"
#include "core/xml.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/about_window.h"
#include "desktop/screens/instruction_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/movie_window.h"
#include "screens/about_contract.h"
#include "screens/instruction_contract.h"
#include "engine_support.h"
#include "window_input.h"

#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

const char* kProduct =
    "<product><product-name>Network Essentials</product-name><help uri='Help'/>"
    "<examinstruction show='true'/><test_instructions uri='Database'>instructions.html</test_instructions></product>";

using Shown = std::pair<std::filesystem::path, std::string>;

// A screen of the main window whose help button opens a help file of its own.
class HelpProbe : public MovieWindow {
public:
    HelpProbe(AppContext& ctx, WebEnvironment& web) : MovieWindow(ctx, web), logic_(ctx) { attach(logic_); }

private:
    struct Logic : MovieScreen {
        explicit Logic(AppContext& ctx) : MovieScreen(ctx) {
            addHelpButton([] { return std::filesystem::path("probe.chm"); });
        }
    } logic_;
};

struct Instructions : ::testing::Test {
    Engine e;
    frmMDIMain main{e.ctx, {}};

    void SetUp() override {
        parseXml(e.ctx.productDoc, kProduct);
        const char* source = std::getenv("EXAMSIM_SOURCE_DIR");
        std::filesystem::copy_file(std::filesystem::path(source ? source : ".") / "product" / "files" / "Database" /
                                       "instructions.html",
                                   e.folder / "Database" / "instructions.html");
    }

    std::string storedShow() {
        pugi::xml_document stored;
        if (!std::filesystem::exists(e.folder / "Database" / "Product.wlb")) return "(not stored)";
        if (!loadDataDocument(e.ctx, "Product", stored)) return "(unreadable)";
        return firstNamed(stored, "examinstruction").attribute("show").value();
    }
};

}  // namespace

TEST_F(Instructions, WindowShowsThePageAndOkStoresTheTickedChoice) {
    InstructionWindow w(e.ctx, main, e.web);
    w.show();
    ASSERT_TRUE(waitUntil([&] { return w.web()->page()->title() == "Test Instructions"; }));
    EXPECT_EQ(w.chkDontshow()->text(), " Don't show Exam Instructions again");
    keepShot(&w, "instructions");
    main.instructionCancelled = true;  // left over from an earlier Cancel
    w.chkDontshow()->setChecked(true);
    w.cmdOk()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(main.instructionCancelled);
    EXPECT_EQ(storedShow(), "false");
}

TEST_F(Instructions, CancelAndTheCloseBoxStopTheStartAndStoreNothing) {
    {
        InstructionWindow w(e.ctx, main, e.web);
        w.show();
        w.cmdCancel()->click();
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_TRUE(main.instructionCancelled);
    }
    main.instructionCancelled = false;
    InstructionWindow w(e.ctx, main, e.web);
    w.show();
    w.chkDontshow()->setChecked(true);
    w.close();
    EXPECT_TRUE(main.instructionCancelled);
    EXPECT_EQ(storedShow(), "(not stored)");
}

// Escape while reading, or the window manager's close, cancel as the close box
// does: the test does not start and the choice is not stored.
TEST_F(Instructions, EscapeAndTheWindowManagersCloseCancelTheStart) {
    for (CloseWay way : kCloseWays) {
        MainWindow window(e.ctx, e.web, {});
        window.show();
        whenShown(instruction_contract::kScreen, [way](QWidget& w) {
            auto& dialog = static_cast<InstructionWindow&>(w);
            waitUntil([&] { return dialog.web()->page()->title() == "Test Instructions"; });
            dialog.chkDontshow()->setChecked(true);
            dialog.web()->setFocus();
            closeBy(dialog, way);
        });
        EXPECT_FALSE(window.logic().instructionsAccepted()) << describe(way) << " started the test";
        EXPECT_EQ(storedShow(), "(not stored)") << describe(way);
    }
}

// F1 opens the help of the screen in front, as its "btnHelp" would: the
// active screen of the main window, the main window's own help without one,
// the help of the window that opened a dialog, the about window's.
TEST_F(Instructions, TheHelpKeyOpensTheHelpOfTheWindowInFront) {
    writeMovie(e.folder / "about.wlb", sampleMovie("about"));
    const Shown productHelp{e.folder / "Help" / "Help.chm", kHelpTopic};
    MainWindow window(e.ctx, e.web, {});
    window.show();

    pressKey(window, Qt::Key_F1);
    EXPECT_EQ(e.host.help.shown, std::vector<Shown>{productHelp}) << "the main window";

    auto* screen = new HelpProbe(e.ctx, e.web);
    QMdiSubWindow* frame = window.area()->addSubWindow(screen);
    frame->show();
    window.area()->setActiveSubWindow(frame);
    pressKey(window, Qt::Key_F1);
    EXPECT_EQ(e.host.help.shown.back(), Shown("probe.chm", kHelpTopic)) << "the main window's active screen";
    delete frame;
    e.host.help.shown.clear();

    whenShown(instruction_contract::kScreen, [](QWidget& w) {
        pressKey(w, Qt::Key_F1);
        closeBy(w, CloseWay::EscapeKey);
    });
    window.logic().instructionsAccepted();
    EXPECT_EQ(e.host.help.shown, std::vector<Shown>{productHelp}) << "a dialog asks the window that opened it";

    AboutWindow about(e.ctx, e.web, &window);
    whenShown(about_contract::kScreen, [&](QWidget& w) {
        ASSERT_TRUE(waitUntil([&] { return about.player().isDrawn(); }));
        pressKey(w, Qt::Key_F1);
        closeBy(w, CloseWay::EscapeKey);
    });
    about.exec();
    EXPECT_EQ(e.host.help.shown, std::vector<Shown>(2, productHelp)) << "the about window";
}

// The active screen's movie follows the frame: 200 twips narrower, and 220
// twips shorter than a frame kept at four to three.
TEST(MainWindowLayout, ActiveScreensMovieFollowsTheFrame) {
    Engine e;
    parseXml(e.ctx.productDoc, kProduct);
    MainWindow main(e.ctx, e.web, {});
    main.show();
    main.resize(900, 500);  // no screen open: nothing to follow, nothing breaks
    auto* screen = new QWidget;
    auto* movie = new QWidget(screen);
    movie->setObjectName("objSwf");
    main.area()->addSubWindow(screen)->showMaximized();
    main.area()->setActiveSubWindow(main.area()->subWindowList().first());
    main.resize(1000, 600);
    ASSERT_TRUE(waitUntil([&] { return main.height() == 750; }, 3000)) << main.height();
    const double twips = 1440.0 / main.logicalDpiX();
    EXPECT_EQ(movie->x(), 0);
    EXPECT_EQ(movie->y(), 0);
    EXPECT_NEAR(movie->width(), (1000 * twips - 200) / twips, 1.0);
    // The rule's height counts the menu bar too; the movie stays inside its screen.
    ASSERT_LT(screen->height(), (750 * twips - 220) / twips);
    EXPECT_EQ(movie->height(), screen->height());
}
