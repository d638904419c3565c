#pragma once
#include <string>

namespace examsim {

class Movie;

// What the report screen reaches outside itself. The desktop wires them to the
// real windows; tests fake them; any may be empty.

// The report screen's own window.
class ReportWindow {
public:
    virtual ~ReportWindow() = default;
    virtual void hideReportScreen() = 0;
};

// The mode screen as the report screen leads back to it.
class ModeScreenFromReport {
public:
    virtual ~ModeScreenFromReport() = default;
    // Its movie: bookmarks and the history are sent there.
    virtual Movie* modeMovie() = 0;
    virtual void showModeScreen() = 0;
    // The main window's entry the history page switches off.
    virtual void disableHistoryMenuEntry() = 0;
};

// frmShowImage: one drag-and-drop question of the report, from the current
// test file, modally; the learner's response or the right answer.
class DragDropReport {
public:
    virtual ~DragDropReport() = default;
    virtual void showDragDropReport(const std::string& caption, bool userResponse) = 0;
};

// frmPrint on the printable report in the current test file, which it
// deletes once its page has read it. Closes a viewer already open first.
class PrintableReportViewer {
public:
    virtual ~PrintableReportViewer() = default;
    virtual void closePrintableReport() = 0;
    virtual void showPrintableReport() = 0;
};

struct ReportPeers {
    ReportWindow* window = nullptr;
    ModeScreenFromReport* mode = nullptr;
    class QuestionScreen* questions = nullptr;
    class ExhibitViewer* exhibit = nullptr;
    class LiveUpdate* update = nullptr;
    PrintableReportViewer* print = nullptr;
    DragDropReport* dragDrop = nullptr;  // empty until that screen exists
};

}  // namespace examsim
