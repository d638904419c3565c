#include "assembled_app.h"
#include "core/xml.h"
#include "desktop/screens/exhibit_window.h"
#include "desktop/screens/exit_dialog.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/objective_grid_window.h"
#include "desktop/screens/print_window.h"
#include "engine_support.h"
#include "window_input.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRadioButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

// Escape and the window manager's close do what each dialog's close box does.

namespace {

class RecordedTests : public TestLauncher {
public:
    bool startTest(const std::string& name) override {
        started.push_back(name);
        return true;
    }
    void openQuestionScreen(const std::string& label) override { started.push_back("screen " + label); }
    std::vector<std::string> started;
};

// Where the user's focus is while reading: in the page.
void focusPage(QWebEngineView* view) {
    waitUntil([&] { return evaluate(view->page(), "document.readyState").toString() == "complete"; });
    view->setFocus();
}

}  // namespace

TEST(DialogClose, FinishDialogClosedWithoutAnAnswerGoesBackToTheTestAfterATimeOverToo) {
    for (bool timeOver : {false, true})
        for (CloseWay way : kCloseWays) {
            ReplyTarget parent{"before"};
            FinishDialogWindow dialog(parent, {.recordableResult = true, .timeOver = timeOver});
            whenShown("frmQueOptbox", [&](QWidget& w) {
                dialog.option(0)->setChecked(true);
                keepShot(&w, timeOver ? "finish-time-over" : "finish");
                closeBy(w, way);
            });
            dialog.exec();
            const std::string how = std::string(describe(way)) + (timeOver ? " after a time-over" : "");
            EXPECT_EQ(parent.iReply, "close") << how;
            EXPECT_TRUE(dialog.logic().closed()) << how;
            EXPECT_EQ(dialog.result(), QDialog::Rejected) << how;
        }
}

TEST(DialogClose, ExitConfirmationClosedWithoutAnAnswerSaysNoAndKeepsTheProgram) {
    for (CloseWay way : kCloseWays) {
        Engine e;
        parseXml(e.ctx.productDoc, "<product><product-name>Network Essentials</product-name></product>");
        MainWindow main(e.ctx, e.web, {});
        main.show();
        bool saidNo = false;
        whenShown("frmMsg", [&](QWidget& w) {
            auto* dialog = qobject_cast<ExitDialog*>(&w);
            ASSERT_NE(dialog, nullptr);
            keepShot(&w, "exit");
            closeBy(w, way);
            saidNo = dialog->logic().closed();
        });
        sendWindowClose(main);
        EXPECT_TRUE(saidNo) << describe(way);
        EXPECT_TRUE(main.isVisible()) << describe(way);
    }
}

TEST(DialogClose, ObjectiveGridClosedWithoutAnAnswerCancelsAndStartsNothing) {
    AssembledApp a(sampleProduct());
    for (CloseWay way : kCloseWays) {
        RecordedTests tests;
        ObjectiveGridWindow grid(a.ctx, *a.web, tests);
        ASSERT_TRUE(grid.openPage());
        whenShown("frmPGrid", [&](QWidget& w) {
            focusPage(grid.web());
            keepShot(&w, "objective-grid");
            closeBy(w, way);
        });
        grid.exec();
        EXPECT_TRUE(grid.logic().closed()) << describe(way);
        EXPECT_EQ(grid.result(), QDialog::Rejected) << describe(way);
        EXPECT_TRUE(tests.started.empty()) << describe(way);
    }
}

TEST(DialogClose, PageViewerAndExhibitCloseByEscapeFromTheirPage) {
    AssembledApp a(sampleProduct());
    const auto page = a.app / "Database" / "page.html";
    writeFile(page, "<html><head><title>Page</title></head><body><p>Text</p></body></html>");
    for (CloseWay way : kCloseWays) {
        QPointer<PrintWindow> viewer = new PrintWindow(a.ctx, *a.web, page, "Page", false);
        ASSERT_TRUE(viewer->openPage());
        viewer->show();
        focusPage(viewer->web());
        closeBy(*viewer, way);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(viewer.isNull()) << describe(way);

        QPointer<ExhibitWindow> exhibit = new ExhibitWindow(a.ctx, *a.web, "", "Exhibit");
        exhibit->show();
        focusPage(exhibit->view());
        closeBy(*exhibit, way);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(exhibit.isNull()) << describe(way);
    }
}
