#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/message_dialog.h"

class QPushButton;

namespace examsim {

// frmMsg: the exit confirmation. "Yes" ends the program.
class ExitDialog : public ScreenDialog {
    Q_OBJECT
public:
    ExitDialog(AppContext& ctx, QWidget* owner = nullptr);
    QPushButton* cmdYes() { return yes_; }
    QPushButton* cmdNo() { return no_; }
    frmMsg& logic() { return logic_; }

protected:
    // The close box answers "No".
    void closeBox() override { logic_.cmdNo(); }

private:
    frmMsg logic_;
    QPushButton* yes_;
    QPushButton* no_;
};

}  // namespace examsim
