#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/finish_dialog.h"

#include <array>

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

}  // namespace examsim
