#pragma once
#include "desktop/app/update_services.h"
#include "screens/live_update.h"
#include "screens/update_check.h"

namespace examsim {

struct AppContext;
class Movie;
class WebEnvironment;

// The live update as the screens reach it: the quiet check and the update
// screen, with the desktop's worker threads, network state and helper.
class DesktopLiveUpdate : public LiveUpdate {
public:
    DesktopLiveUpdate(AppContext& ctx, WebEnvironment& web);

    // The mode screen's movie, which the check marks.
    void attachModeMovie(Movie& movie) { check_.attachModeMovie(&movie); }

    void checkUpdate() override { check_.checkUpdate(); }
    void showLiveUpdate() override;

private:
    AppContext& ctx_;
    WebEnvironment& web_;
    QtWorkRunner work_;
    QtConnectionState connection_;
    DetachedHelper helper_;
    UpdateCheck check_;
};

}  // namespace examsim
