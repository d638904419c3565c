#include "desktop/screens/question_window.h"

#include "desktop/movie/movie_player.h"
#include "desktop/screens/area_screen.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/main_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

namespace examsim {
namespace {

TestRunPeers withWindow(TestRunPeers peers, QuestionWindow* window, FinishDialogs* finish) {
    peers.window = window;
    peers.finish = finish;
    return peers;
}

}  // namespace

QuestionScreenWindow::QuestionScreenWindow(AppContext& ctx, WebEnvironment& web, MainWindow& main, TestRunPeers peers)
    : MovieWindow(ctx, web), main_(main), logic_(ctx, withWindow(peers, this, this)) {
    setObjectName("frmQuestion");
    // The main window leaves this movie alone: the screen fills itself.
    setProperty("fillsItself", true);
    attach(logic_);
    sub_ = addAreaScreen(*main.area(), *this, "frmQuestionFrame");
    logic_.load();
    sub_->hide();
}

bool QuestionScreenWindow::isOpen() const { return sub_->isVisible(); }

void QuestionScreenWindow::open() {
    setWindowTitle(QString());
    sub_->showMaximized();
    main_.area()->setActiveSubWindow(sub_);
    placeMovie();
    logic_.activate(static_cast<int>(player().height() * twipsPerPixel(*this)));
    player().setFocus();
}

QRect QuestionScreenWindow::movieGeometry() const {
    // A maximised child sits at the top of the frame: its movie starts at 0.
    const int top = frmQuestion::movieTop(static_cast<int>((sub_ ? sub_->y() : 0) * twipsPerPixel(*this)), 0);
    return QRect(0, static_cast<int>(top / twipsPerPixel(*this)), width(), height());
}

void QuestionScreenWindow::resizeEvent(QResizeEvent* event) {
    keepMaximised(sub_);
    MovieWindow::resizeEvent(event);
}

void QuestionScreenWindow::hideQuestionScreen() {
    if (finish_) closeFinish();
    sub_->hide();
    // The File menu is off only while a test is on screen.
    main_.logic().setEntryEnabled("mnuFile", true);
    main_.sync();
}

void QuestionScreenWindow::disableFileMenu() {
    main_.logic().setEntryEnabled("mnuFile", false);
    main_.sync();
}

void QuestionScreenWindow::showFinish(ReplyTarget& parent, const FinishFlags& flags) {
    runFinishDialog(parent, flags, this, finish_, [this](FinishDialogWindow* d) { emit finishShown(d); });
}

void QuestionScreenWindow::closeFinish() { closeFinishDialog(finish_); }

}  // namespace examsim
