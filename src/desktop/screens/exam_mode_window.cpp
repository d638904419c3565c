#include "desktop/screens/exam_mode_window.h"

#include "desktop/movie/movie_player.h"
#include "desktop/screens/browser_window.h"
#include "desktop/screens/objective_grid_window.h"
#include "desktop/screens/print_window.h"
#include "desktop/screens/window_log.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTimer>

namespace examsim {

ExamModeWindow::ExamModeWindow(AppContext& ctx, WebEnvironment& web) : MovieWindow(ctx, web), web_(web), logic_(ctx) {
    setObjectName("frmExamMode");
    fillWithMovieBackground();
    attach(logic_);
    logic_.targets().window = this;
    logic_.targets().viewers = this;
    connect(&player(), &MoviePlayer::drawn, this, [] { logWindowEvent("mode"); });
}

void ExamModeWindow::placeIn(QMdiArea& area) {
    frame_ = area.addSubWindow(this, Qt::FramelessWindowHint);
    frame_->setObjectName("frmExamModeFrame");
    frame_->hide();
    connect(&area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w == frame_) logic_.activate();
    });
}

// The movie is the window's inner size less 220 twips each way; what is left
// takes the movie's own background.
QRect ExamModeWindow::movieGeometry() const {
    const int margin = static_cast<int>(220 * logicalDpiX() / 1440.0);
    return QRect(0, 0, std::max(0, width() - margin), std::max(0, height() - margin));
}

// The movie's brand band runs on to the window's edge.
void ExamModeWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter p(this);
    p.fillRect(QRect(player().geometry().right() + 1, 0, width(), kBandHeight), QColor(0x1b, 0x6b, 0x88));
}

void ExamModeWindow::hideModeScreen() {
    if (frame_) frame_->hide();
    else hide();
}

void ExamModeWindow::showModeScreen() {
    if (!frame_) {
        show();
        logic_.activate();
        return;
    }
    frame_->showMaximized();
    frame_->mdiArea()->setActiveSubWindow(frame_);
    logic_.activate();
    player().setFocus();
}

void ExamModeWindow::showObjectiveGrid() {
    ObjectiveGridWindow grid(ctx_, web_, logic_, window());
    if (grid.openPage()) grid.exec();
}

void ExamModeWindow::present(PageViewerWindow* viewer, bool modal) {
    if (viewer_) viewer_->close();
    if (!viewer->openPage()) {
        viewer->deleteLater();
        return;
    }
    viewer_ = viewer;
    if (modal)
        viewer->exec();
    else
        viewer->show();
}

PageViewerWindow* ExamModeWindow::openViewer() const { return viewer_; }

void ExamModeWindow::showHtmlPage(const std::filesystem::path& document, const std::string& caption) {
    present(new BrowserWindow(ctx_, web_, this, document, caption, false, window()), false);
}

void ExamModeWindow::showPrintablePage(const std::filesystem::path& document, const std::string& caption) {
    present(new PrintWindow(ctx_, web_, document, caption, false, window()), false);
}

void ExamModeWindow::showModal(const std::filesystem::path& page) {
    present(new BrowserWindow(ctx_, web_, this, page, "Quick Revision Notes", false, window()), true);
}

}  // namespace examsim
