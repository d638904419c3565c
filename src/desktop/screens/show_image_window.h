#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/report_peers.h"
#include "screens/show_image_screen.h"

#include <QPointer>
#include <functional>

namespace examsim {

// frmShowImage's window: modal over the report screen, its movie filling it.
class ShowImageWindow : public MovieWindow, public ShowImageWindows {
    Q_OBJECT
public:
    // peers.windows is this window; hideReport hides the report screen under it.
    ShowImageWindow(AppContext& ctx, WebEnvironment& web, ShowImagePeers peers, std::function<void()> hideReport,
                    QWidget* owner = nullptr);

    frmShowImage& logic() { return logic_; }
    // Shows the question in the current test file until the screen hides.
    void showQuestion(const std::string& caption, bool userResponse);

    void hideShowImage() override { close(); }
    void hideReportScreen() override;

signals:
    // The modal wait of showQuestion() has begun.
    void playing();

private:
    frmShowImage logic_;
    std::function<void()> hideReport_;
};

// The drag-and-drop report screen as the report screen opens it: one window,
// made on first use. Whoever wires the report screen fills the peers.
class ShowImageScreens : public DragDropReport {
public:
    ShowImageScreens(AppContext& ctx, WebEnvironment& web) : ctx_(ctx), web_(web) {}
    ~ShowImageScreens() override;
    void showDragDropReport(const std::string& caption, bool userResponse) override;
    ShowImageWindow* window() const { return window_; }

    ShowImagePeers peers;
    std::function<void()> hideReport;
    QWidget* owner = nullptr;
    // Called with the window once made, before it first shows.
    std::function<void(ShowImageWindow&)> onCreated;

private:
    AppContext& ctx_;
    WebEnvironment& web_;
    QPointer<ShowImageWindow> window_;
};

}  // namespace examsim
