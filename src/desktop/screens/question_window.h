#pragma once
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/help_key.h"
#include "screens/question_screen.h"

#include <QPointer>
#include <QWidget>

class QMdiSubWindow;

namespace examsim {

class MainWindow;
class MoviePlayer;
class WebEnvironment;

// frmQuestion's window: a maximised child of the main window whose movie
// fills it, and the finish dialog it opens.
class QuestionScreenWindow : public QWidget, public QuestionWindow, public FinishDialogs, public HelpKeyTarget {
    Q_OBJECT
public:
    // peers.window and peers.finish are this window.
    QuestionScreenWindow(AppContext& ctx, WebEnvironment& web, MainWindow& main, TestRunPeers peers);

    // Shows the screen on the test in the current test file.
    void open();
    bool isOpen() const;

    frmQuestion& logic() { return logic_; }
    MoviePlayer& player() { return *player_; }
    FinishDialogWindow* finishDialog() const { return finish_; }

    void hideQuestionScreen() override;
    void disableFileMenu() override;
    void showFinish(ReplyTarget& parent, const FinishFlags& flags) override;
    bool finishOpen() override { return !finish_.isNull(); }
    void closeFinish() override;
    void helpKey() override { logic_.showHelp(); }

signals:
    // A finish dialog is on screen (tests answer it).
    void finishShown(FinishDialogWindow* dialog);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeMovie();

    AppContext& ctx_;
    MainWindow& main_;
    frmQuestion logic_;
    MoviePlayer* player_;
    QMdiSubWindow* sub_ = nullptr;
    QPointer<FinishDialogWindow> finish_;
};

}  // namespace examsim
