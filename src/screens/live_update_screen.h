// frmLiveUpdate, the online update screen: downloads the news and the update
// package with progress shown, hands them to the program's update helper and
// keeps the learner's check-for-updates choice.
#pragma once
#include "screens/movie_screen.h"
#include "update/update_requests.h"

#include <atomic>

namespace examsim {

class ConnectionState;
class HelperStarter;
class WorkRunner;

struct LiveUpdateHost {
    WorkRunner* work = nullptr;
    ConnectionState* connection = nullptr;  // empty: on line
    HelperStarter* helper = nullptr;
};

class frmLiveUpdate : public MovieScreen {
public:
    // Results of checkDownLoad.
    static constexpr int kInstallerStarted = 6;
    static constexpr int kNotInstalled = 7;

    frmLiveUpdate(AppContext& ctx, LiveUpdateHost host, UpdateLimits limits = {});

    // Loads the movie; "txtResolution", and the check box as the product holds it.
    void load();

    // While an update runs only the progress's Cancel and the check box act.
    void FSCommand(const std::string& command, const std::string& args) override;

    void checkForUpdate();
    bool checkConnection();
    int checkDownLoad();
    // 1 when the update package was saved, 0 otherwise.
    int downloadUpdate();

    // The progress's Cancel, also when the window is closed during an update:
    // the transfer under way ends at once, nothing of it is kept, and the
    // movie shows that the update stopped.
    void cancelProgress();
    bool busy() const { return busy_; }
    bool checkBoxState() const { return checkBox_; }

private:
    void progress(int from, int to, int divisor);
    bool stopped() const { return cancelled_.load(); }

    LiveUpdateHost host_;
    UpdateLimits limits_;
    std::atomic<bool> cancelled_{false};
    bool busy_ = false;
    bool checkBox_ = false;
};

}  // namespace examsim
