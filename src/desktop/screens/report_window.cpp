#include "desktop/screens/report_window.h"

#include "core/app_context.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/area_screen.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/print_window.h"
#include "screens/test_run_peers.h"
#include "desktop/screens/window_log.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

namespace examsim {
namespace {

ReportPeers withWindow(ReportPeers peers, ReportWindow* window, PrintableReportViewer* print) {
    peers.window = window;
    peers.print = print;
    return peers;
}

}  // namespace

ReportScreenWindow::ReportScreenWindow(AppContext& ctx, WebEnvironment& web, MainWindow& main, ReportPeers peers)
    : MovieWindow(ctx, web), web_(web), logic_(ctx, withWindow(peers, this, this)) {
    setObjectName("frmReport");
    setProperty("fillsItself", true);
    fillWithMovieBackground();
    attach(logic_);
    connect(&player(), &MoviePlayer::drawn, this, [] { logWindowEvent("report"); });
    sub_ = addAreaScreen(*main.area(), *this, "frmReportFrame");
    logic_.load();
    sub_->hide();
}

bool ReportScreenWindow::isOpen() const { return sub_->isVisible(); }

PrintWindow* ReportScreenWindow::printViewer() const { return print_; }

void ReportScreenWindow::showReport() {
    // An exhibit of the test just played does not stay over its report.
    if (logic_.peers().exhibit) logic_.peers().exhibit->closeExhibit();
    sub_->showMaximized();
    sub_->mdiArea()->setActiveSubWindow(sub_);
    placeMovie();
    logic_.activate(player().height() * twipsPerPixel(*this));
    player().setFocus();
}

void ReportScreenWindow::showBookmarkExplanations() {
    logic_.reportBookmarked = true;
    showReport();
}

void ReportScreenWindow::hideReportScreen() { sub_->hide(); }

// The movie is the window's inner size less 220 twips each way.
QRect ReportScreenWindow::movieGeometry() const {
    const int margin = static_cast<int>(220 / twipsPerPixel(*this));
    return QRect(0, 0, std::max(0, width() - margin), std::max(0, height() - margin));
}

// The screen stays maximised.
void ReportScreenWindow::resizeEvent(QResizeEvent* event) {
    keepMaximised(sub_);
    MovieWindow::resizeEvent(event);
}

void ReportScreenWindow::closePrintableReport() {
    if (print_) print_->close();
}

void ReportScreenWindow::showPrintableReport() {
    // Named, so its window has a title and a saved PDF a proposed name.
    auto* viewer = new PrintWindow(ctx_, web_, currentTestFilePath(ctx_), "Test Report", true, window());
    if (!viewer->openPage()) {
        viewer->deleteLater();
        return;
    }
    print_ = viewer;
    viewer->show();
    emit printViewerShown(viewer);
}

}  // namespace examsim
