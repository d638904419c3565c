#include "desktop/screens/mode_screen_link.h"

#include "desktop/movie/movie_player.h"
#include "desktop/screens/exam_mode_window.h"

namespace examsim {

Movie* ModeScreenLink::modeMovie() { return &mode_.player(); }

void ModeScreenLink::showModeScreen() { mode_.showModeScreen(); }

// The entry the mode screen's own history page switches off.
void ModeScreenLink::disableHistoryMenuEntry() {
    if (shell_) shell_->setMenuEntryEnabled(frmExamMode::kGuardedMenuEntry, false);
}

}  // namespace examsim
