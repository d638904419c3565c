#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/exam_mode_screen.h"
#include "screens/page_viewers.h"

#include <QPointer>

class QMdiArea;
class QMdiSubWindow;

namespace examsim {

class PageViewerWindow;

// frmExamMode's window: the mode movie, a screen of the main window. It opens
// the objective grid and the page viewers for the screen's logic.
class ExamModeWindow : public MovieWindow, public ModeWindow, public PageViewers, public HtmlViewer {
    Q_OBJECT
public:
    // The height of the movie's brand band at the top, in pixels.
    static constexpr int kBandHeight = 54;

    ExamModeWindow(AppContext& ctx, WebEnvironment& web);

    frmExamMode& logic() { return logic_; }
    // Becomes a screen of the main window's area, not shown yet.
    void placeIn(QMdiArea& area);
    PageViewerWindow* openViewer() const;

    void hideModeScreen() override;
    void showModeScreen() override;
    void showObjectiveGrid() override;
    void showHtmlPage(const std::filesystem::path& document, const std::string& caption) override;
    void showPrintablePage(const std::filesystem::path& document, const std::string& caption) override;
    // The main window's quick revision notes, modally.
    void showModal(const std::filesystem::path& page) override;

protected:
    QRect movieGeometry() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void present(PageViewerWindow* viewer, bool modal);

    WebEnvironment& web_;
    frmExamMode logic_;
    QMdiSubWindow* frame_ = nullptr;
    QPointer<PageViewerWindow> viewer_;
};

}  // namespace examsim
