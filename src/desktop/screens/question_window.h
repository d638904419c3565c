#pragma once
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/movie_window.h"
#include "screens/question_screen.h"

#include <QPointer>

class QMdiSubWindow;

namespace examsim {

class MainWindow;

// frmQuestion's window: a maximised child of the main window whose movie
// fills it, and the finish dialog it opens.
class QuestionScreenWindow : public MovieWindow, public QuestionWindow, public FinishDialogs {
    Q_OBJECT
public:
    // peers.window and peers.finish are this window.
    QuestionScreenWindow(AppContext& ctx, WebEnvironment& web, MainWindow& main, TestRunPeers peers);

    // Shows the screen on the test in the current test file.
    void open();
    bool isOpen() const;

    frmQuestion& logic() { return logic_; }
    FinishDialogWindow* finishDialog() const { return finish_; }

    void hideQuestionScreen() override;
    void disableFileMenu() override;
    void showFinish(ReplyTarget& parent, const FinishFlags& flags) override;
    bool finishOpen() override { return !finish_.isNull(); }
    void closeFinish() override;

signals:
    // A finish dialog is on screen (tests answer it).
    void finishShown(FinishDialogWindow* dialog);

protected:
    void resizeEvent(QResizeEvent* event) override;
    QRect movieGeometry() const override;

private:
    MainWindow& main_;
    frmQuestion logic_;
    QMdiSubWindow* sub_ = nullptr;
    QPointer<FinishDialogWindow> finish_;
};

}  // namespace examsim
