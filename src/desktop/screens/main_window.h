#pragma once
#include "desktop/screens/help_key.h"
#include "screens/exam_mode_screen.h"
#include "screens/main_window_screen.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QMdiArea;

namespace examsim {

class WebEnvironment;

// frmMDIMain's window: the menu bar over the area the screens open in.
class MainWindow : public QMainWindow, public ShellDialogs, public ShellEntries, public HelpKeyTarget {
    Q_OBJECT
public:
    MainWindow(AppContext& ctx, WebEnvironment& web, ShellTargets targets);

    frmMDIMain& logic() { return logic_; }
    QAction* action(const QString& name) const { return actions_.value(name); }
    QMdiArea* area() const { return area_; }

    void showInstructions(InstructionTarget& parent) override;
    void confirmExit() override;
    bool instructionsAccepted() override;
    void setMenuEntryEnabled(const std::string& name, bool enabled) override;
    // F1: the help of the active screen, or the help's contents without one.
    void helpKey() override;

    // Re-reads the menus' states and the caption from the logic.
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();

    AppContext& ctx_;
    WebEnvironment& web_;
    frmMDIMain logic_;
    QMdiArea* area_;
    QHash<QString, QAction*> actions_;
    bool shownOnce_ = false;
};

}  // namespace examsim
