#pragma once
#include "screens/finish_dialog.h"

#include <string>

namespace examsim {

// The windows a test run reaches besides its own movie. The desktop wires
// them to the real windows; tests fake them.

// The finish dialog, shown modally for a parent whose iReply it writes.
class FinishDialogs {
public:
    virtual ~FinishDialogs() = default;
    // Returns once the dialog has closed.
    virtual void showFinish(ReplyTarget& parent, const FinishFlags& flags) = 0;
    virtual bool finishOpen() = 0;
    // Closes an open dialog as its close box would.
    virtual void closeFinish() = 0;
};

// The question screen's own window and the main window around it.
class QuestionWindow {
public:
    virtual ~QuestionWindow() = default;
    virtual void hideQuestionScreen() = 0;
    virtual void disableFileMenu() = 0;
};

// Where a test run goes back to.
class ModeScreenReturn {
public:
    virtual ~ModeScreenReturn() = default;
    virtual void showModeScreen() = 0;
};

// frmExhibit: one non-modal viewer at a time.
class ExhibitViewer {
public:
    virtual ~ExhibitViewer() = default;
    virtual void closeExhibit() = 0;
    virtual void showExhibit(const std::string& picturePath, const std::string& caption) = 0;
};

// frmImage, the drag-and-drop screen, as the question screen drives it. It
// plays the question in the current test file and hands its response record
// to the question movie's "txtUAR" itself.
class DragDropScreen {
public:
    virtual ~DragDropScreen() = default;
    virtual bool loaded() = 0;
    virtual void unload() = 0;
    virtual void showModal() = 0;
    virtual void hideScreen() = 0;
    // "txtUAR" = "" in its own movie.
    virtual void clearResponse() = 0;
};

struct TestRunPeers {
    QuestionWindow* window = nullptr;
    FinishDialogs* finish = nullptr;
    class ReportScreen* report = nullptr;
    ModeScreenReturn* mode = nullptr;
    ExhibitViewer* exhibit = nullptr;
    DragDropScreen* dragDrop = nullptr;  // empty until that screen exists
};

}  // namespace examsim
