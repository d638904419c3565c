#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/finish_dialog.h"

#include <QPointer>
#include <array>
#include <functional>

class QRadioButton;
class QLabel;
class QPushButton;

namespace examsim {

// The finish dialog's window; the answer goes to the parent's iReply.
class FinishDialogWindow : public ScreenDialog {
    Q_OBJECT
public:
    FinishDialogWindow(ReplyTarget& parent, const FinishFlags& flags, QWidget* owner = nullptr);
    frmQueOptbox& logic() { return logic_; }
    QRadioButton* option(int i) { return options_.at(i); }
    QPushButton* cmdYes() { return yes_; }
    QPushButton* cmdNo() { return no_; }

protected:
    void closeBox() override { logic_.closeBox(); }

private:
    frmQueOptbox logic_;
    std::array<QRadioButton*, 4> options_{};
    QPushButton* yes_;
    QPushButton* no_;
};

// Shows the finish dialog modally over `owner`: `open` points at it while it
// is up, and `shown` hears of it once it is on screen.
void runFinishDialog(ReplyTarget& parent, const FinishFlags& flags, QWidget* owner, QPointer<FinishDialogWindow>& open,
                     const std::function<void(FinishDialogWindow*)>& shown);
// Closes the open finish dialog, if any, as its close box would.
void closeFinishDialog(QPointer<FinishDialogWindow>& open);

}  // namespace examsim
