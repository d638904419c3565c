#pragma once
#include "screens/report_peers.h"

namespace examsim {

class ExamModeWindow;
class ShellEntries;

// The mode screen's window as the report screen leads back to it.
class ModeScreenLink : public ModeScreenFromReport {
public:
    ModeScreenLink(ExamModeWindow& mode, ShellEntries* shell) : mode_(mode), shell_(shell) {}
    Movie* modeMovie() override;
    void showModeScreen() override;
    void disableHistoryMenuEntry() override;

private:
    ExamModeWindow& mode_;
    ShellEntries* shell_;
};

}  // namespace examsim
