#include "screens/finish_dialog.h"

#include "screens/finish_dialog_contract.h"

namespace examsim {

namespace answer = finish_dialog_contract::answer;

frmQueOptbox::frmQueOptbox()
    : options_{{{"Grading -", answer::Score, {"Grades && closes the exam", ""}},
                {"Evaluate && Grade -", answer::Show, {"Displays the Review screen", "and grades your exam "}},
                {"Save && Resume Later -", answer::Save, {"Saves the exam so that you ", "can return to it later "}},
                {"Close -", answer::Cancel, {"Closes exam without saving ", ""}}}} {}

void frmQueOptbox::load(const FinishFlags& flags) {
    options_[2].enabled = flags.quizKind;
    options_[0].enabled = flags.recordableResult;
    options_[1].enabled = true;
    options_[3].enabled = true;
    cancelEnabled_ = !flags.timeOver;
    if (selected_ >= 0 && !options_[selected_].enabled) selected_ = -1;
}

void frmQueOptbox::select(int i) {
    if (i >= 0 && i < 4 && options_[i].enabled) selected_ = i;
}

void frmQueOptbox::cmdYes() {
    if (selected_ >= 0 && parent_) parent_->iReply = options_[selected_].answer;
    closed_ = true;
}

void frmQueOptbox::cmdNo() {
    if (!cancelEnabled_) return;
    if (parent_) parent_->iReply = answer::Close;
    closed_ = true;
}

void frmQueOptbox::closeBox() {
    if (parent_) parent_->iReply = answer::Close;
    closed_ = true;
}

}  // namespace examsim
