#include "assembled_app.h"
#include "desktop/screens/objective_grid_window.h"
#include "screens/main_window_screen.h"
#include "engine_support.h"

#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

class NoTests : public TestLauncher {
public:
    bool startTest(const std::string&) override { return false; }
    void openQuestionScreen(const std::string&) override {}
};

// What the page leaves below its form once it is laid out in the shown
// view: negative when the form scrolls.
int roomUnderForm(QWebEngineView* view) {
    const QString script = QString("document.readyState === 'complete' && innerHeight === %1 ? "
                                   "innerHeight - Math.ceil(document.documentElement.getBoundingClientRect().height) : -9999")
                               .arg(view->height());
    return evaluate(view->page(), script).toInt();
}

}  // namespace

// The product's form decides the dialog's height: no empty band under a short
// form, no scroll bar over it, and the dialog stays where it opened.
TEST(ObjectiveGridWindow, TakesTheHeightOfItsFormAndKeepsItsPlace) {
    AssembledApp a(sampleProduct());
    NoTests tests;
    ObjectiveGridWindow grid(a.ctx, *a.web, tests);
    ASSERT_TRUE(grid.openPage());
    grid.show();
    const QPoint centre = grid.geometry().center();
    int room = 0;
    EXPECT_TRUE(waitUntil([&] {
        room = roomUnderForm(grid.web());
        return room >= 0 && room <= 4;
    }, 10000)) << room << " px under the form";
    keepShot(&grid, "objective-grid-fitted");
    EXPECT_LE((grid.geometry().center() - centre).manhattanLength(), 2);

    // Reset loads the form again; the dialog keeps fitting it.
    grid.cmdReset()->click();
    EXPECT_TRUE(waitUntil([&] {
        room = roomUnderForm(grid.web());
        return room >= 0 && room <= 4;
    }, 10000)) << room << " px under the form after Reset";
}
