#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/report_screen.h"
#include "screens/report_screen_logic.h"

#include <QPointer>

class QMdiSubWindow;

namespace examsim {

class MainWindow;
class PrintWindow;

// frmReport's window: a maximised child of the main window with the report
// movie, and the printable report viewer it opens.
class ReportScreenWindow : public MovieWindow, public ReportScreen, public ReportWindow, public PrintableReportViewer {
    Q_OBJECT
public:
    // peers.window and peers.print are this window.
    ReportScreenWindow(AppContext& ctx, WebEnvironment& web, MainWindow& main, ReportPeers peers);

    frmReport& logic() { return logic_; }
    bool isOpen() const;
    PrintWindow* printViewer() const;

    // Shows the screen on the test in the current test file.
    void showReport() override;
    void showBookmarkExplanations() override;
    void hideReportScreen() override;
    void closePrintableReport() override;
    void showPrintableReport() override;

signals:
    // The printable report is on screen (tests print it).
    void printViewerShown(PrintWindow* viewer);

protected:
    void resizeEvent(QResizeEvent* event) override;
    QRect movieGeometry() const override;

private:
    WebEnvironment& web_;
    frmReport logic_;
    QMdiSubWindow* sub_ = nullptr;
    QPointer<PrintWindow> print_;
};

}  // namespace examsim
