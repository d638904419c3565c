#pragma once
#include "screens/message_dialog.h"

#include <QDialog>

class QPushButton;

namespace examsim {

// frmMsg: the exit confirmation. "Yes" ends the program.
class ExitDialog : public QDialog {
    Q_OBJECT
public:
    ExitDialog(AppContext& ctx, QWidget* owner = nullptr);
    QPushButton* cmdYes() { return yes_; }
    QPushButton* cmdNo() { return no_; }

private:
    frmMsg logic_;
    QPushButton* yes_;
    QPushButton* no_;
};

}  // namespace examsim
