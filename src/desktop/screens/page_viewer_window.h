#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/page_viewer.h"

#include <QPrinter>
#include <memory>

class QLabel;
class QPushButton;
class QWebEngineView;

namespace examsim {

class WebEnvironment;

// The window of a page viewer (frmPrint, frmBrowser): the page, the print
// button at the top right, the copyright line and OK at the bottom. It loads
// when shown and unloads when it closes.
class PageViewerWindow : public ScreenDialog {
    Q_OBJECT
public:
    ~PageViewerWindow() override;

    PageViewer& logic() { return *logic_; }
    QWebEngineView* web() const { return web_; }
    QPushButton* cmdPrint() const { return print_; }
    QPushButton* cmdSavePdf() const { return pdf_; }
    QPushButton* cmdOk() const { return ok_; }
    QLabel* copyright() const { return copyright_; }
    // Where "Print" goes: the default printer, unless a test names a file.
    QPrinter& printer() { return printer_; }

    // Loads the logic's document; false (after the logic's message) when
    // there is nothing to show, and the window is not to be shown.
    bool openPage();

    // Writes the page as a PDF to the file, atomically; pdfSaved tells how it went.
    void savePdfTo(const QString& file);

signals:
    void printed(bool ok);
    void pdfSaved(bool ok);
    // The browser has finished loading the page and the logic has been told
    // (what was written only for it is gone by now).
    void pageRead();

protected:
    PageViewerWindow(std::unique_ptr<PageViewer> logic, AppContext& ctx, WebEnvironment& web, QWidget* owner);
    void done(int result) override;
    // Nothing of its own: closed any way, it unloads in done.
    void closeBox() override {}

private:
    void attachHints();
    void printPage();
    void askPdfFile();

    AppContext& ctx_;
    std::unique_ptr<PageViewer> logic_;
    QWebEngineView* web_;
    QPushButton* print_;
    QPushButton* pdf_;
    QPushButton* ok_;
    QLabel* copyright_;
    QPrinter printer_;
    bool unloaded_ = false;
};

}  // namespace examsim
