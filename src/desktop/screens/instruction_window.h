#pragma once
#include "desktop/screens/screen_dialog.h"
#include "screens/instruction_dialog.h"

class QCheckBox;
class QPushButton;
class QWebEngineView;

namespace examsim {

class WebEnvironment;

// frmInstruction's window: the instructions page, the check box, OK and Cancel.
class InstructionWindow : public ScreenDialog {
    Q_OBJECT
public:
    InstructionWindow(AppContext& ctx, InstructionTarget& parent, WebEnvironment& web, QWidget* owner = nullptr);
    QCheckBox* chkDontshow() { return dontShow_; }
    QPushButton* cmdOk() { return ok_; }
    QPushButton* cmdCancel() { return cancel_; }
    QWebEngineView* web() { return view_; }

protected:
    void closeBox() override { logic_.closeBox(); }

private:
    frmInstruction logic_;
    QWebEngineView* view_;
    QCheckBox* dontShow_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace examsim
