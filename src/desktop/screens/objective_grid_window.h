#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/objective_grid.h"

class QPushButton;
class QWebEngineView;

namespace examsim {

class WebEnvironment;

// frmPGrid's window: the grid page and the buttons Start, Reset and Cancel.
class ObjectiveGridWindow : public ScreenDialog {
    Q_OBJECT
public:
    ObjectiveGridWindow(AppContext& ctx, WebEnvironment& web, TestLauncher& tests, QWidget* owner = nullptr);
    ~ObjectiveGridWindow() override;

    frmPGrid& logic() { return logic_; }
    QWebEngineView* web() const { return web_; }
    QPushButton* cmdStart() const { return start_; }
    QPushButton* cmdReset() const { return reset_; }
    QPushButton* cmdCancel() const { return cancel_; }

    // Shows the page; false when the product has none (the user was told).
    bool openPage();

protected:
    // The close box cancels, as Cancel does.
    void closeBox() override { logic_.cmd_Cancel(); }

signals:
    // A start has been decided, built or not.
    void started(bool built);

private:
    void start();
    void showPage();
    void fitToForm(int formHeight);

    AppContext& ctx_;
    frmPGrid logic_;
    QWebEngineView* web_;
    QPushButton* start_;
    QPushButton* reset_;
    QPushButton* cancel_;
};

}  // namespace examsim
