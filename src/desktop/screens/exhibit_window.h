#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/exhibit_screen.h"
#include "screens/test_run_peers.h"

#include <QPointer>

class QPushButton;
class QWebEngineView;

namespace examsim {

class WebEnvironment;

// frmExhibit's window: the picture in a web view, a close button, not modal.
class ExhibitWindow : public ScreenDialog {
    Q_OBJECT
public:
    ExhibitWindow(AppContext& ctx, WebEnvironment& web, const std::string& picturePath, const std::string& caption,
                  QWidget* owner = nullptr);
    QWebEngineView* view() const { return view_; }
    QPushButton* closeButton() const { return close_; }
    bool showsPicture() const { return showsPicture_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeBox() override {}

private:
    frmExhibit logic_;
    QWebEngineView* view_;
    QPushButton* close_;
    bool showsPicture_ = false;
};

// One viewer at a time, for the question screen.
class ExhibitViewers : public ExhibitViewer {
public:
    ExhibitViewers(AppContext& ctx, WebEnvironment& web) : ctx_(ctx), web_(web) {}
    void closeExhibit() override;
    void showExhibit(const std::string& picturePath, const std::string& caption) override;
    ExhibitWindow* current() const { return current_; }

private:
    AppContext& ctx_;
    WebEnvironment& web_;
    QPointer<ExhibitWindow> current_;
};

}  // namespace examsim
