#pragma once
#include "screens/finish_dialog.h"
#include "screens/movie_screen.h"
#include "screens/test_run_peers.h"

#include <string>

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

// The question screen, frmQuestion: plays an ordinary test from the current
// test file and ends it through the finish dialog. Its iReply is the field
// the finish dialog writes.
class frmQuestion : public MovieScreen, public ReplyTarget {
public:
    frmQuestion(AppContext& ctx, TestRunPeers peers);

    // Once per window: help folder, copyright line, "txtResolution".
    void load();
    // Each time the window becomes active: the movie afresh and its start
    // variables. The movie control's height is given in twips.
    void activate(int movieHeightTwips);

    // The movie control's top for the window's own top (both in twips).
    static int movieTop(int windowTop, int currentMovieTop);

    const std::string& helpFolder() const { return helpFolder_; }
    const std::string& copyright() const { return copyright_; }

private:
    void timeOver();
    void finish();
    void saveAndResume();
    void feedback(const std::string& questionId);
    void dragDropQuestion(const std::string& questionXml);
    void closeDragDropWindow(const std::string& questionType);
    void showExhibit(const std::string& picturePath);

    // Shows the finish dialog; false when a later dialog took its place.
    bool askFinish(bool afterTimeOver);
    void endTest(bool afterTimeOver);
    void clearDragDropResponse();
    void leaveTo(bool modeScreen);

    TestRunPeers peers_;
    std::string helpFolder_;
    std::string copyright_;
    int dialogs_ = 0;
};

}  // namespace examsim
