#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/live_update_screen.h"

namespace examsim {

// frmLiveUpdate's window: the update movie, shown modally (exec). While an
// update runs, Escape or closing the window cancels the update instead.
class LiveUpdateWindow : public MovieWindow {
    Q_OBJECT
public:
    LiveUpdateWindow(AppContext& ctx, WebEnvironment& web, LiveUpdateHost host, QWidget* owner = nullptr);
    frmLiveUpdate& logic() { return logic_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    frmLiveUpdate logic_;
};

}  // namespace examsim
