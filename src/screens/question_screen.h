#pragma once

namespace examsim {

// The question screen as its starters see it. The starter has written the
// test to the current test file, cleared the exam-closed flag, set the mode
// label and hidden the mode screen; the question screen clears its caption,
// shows itself and plays that file. `resumed`: a saved exam taken up again at
// the question it was saved at.
class QuestionScreen {
public:
    virtual ~QuestionScreen() = default;
    virtual void showQuestionScreen(bool resumed) = 0;
};

}  // namespace examsim
