#pragma once
#include "desktop/screens/help_key.h"

#include <QDialog>
#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;

namespace examsim {

// A modal dialog of a screen. Escape, its close box and the window manager's
// close all end in `reject`, which runs the screen's close-box action once; a
// button that answers closes it through `answer` and skips that action.
// F1 asks the window that opened it.
class ScreenDialog : public QDialog, public HelpKeyTarget {
    Q_OBJECT
public:
    void reject() override;
    void helpKey() override;

protected:
    explicit ScreenDialog(QWidget* owner);
    // What the close box does before the dialog closes.
    virtual void closeBox() = 0;
    void answer(DialogCode result);
    // A button that answers: its action, then the dialog closes with the result.
    QPushButton* answerButton(const QString& caption, const QString& name, DialogCode result,
                              std::function<void()> action);
    // Buttons in a row at the right.
    QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

private:
    bool answered_ = false;
};

}  // namespace examsim
