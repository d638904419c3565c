// checkUpdate, the mode screen's quiet look for a newer version.
#pragma once
#include "update/update_requests.h"

#include <memory>

namespace examsim {

struct AppContext;
class Movie;
class WorkRunner;

inline constexpr const char* kUpdateInfoFile = "\\upgrade\\updateINFO.txt";

class UpdateCheck {
public:
    UpdateCheck(AppContext& ctx, WorkRunner& work, UpdateLimits limits = {});

    // The mode screen's movie, told "updateBlink" when an update exists.
    void attachModeMovie(Movie* movie) { modeMovie_ = movie; }

    // Asks the server in the background and returns at once, so the mode
    // screen's load never waits on the network. When the answer is a version
    // later than the product's, its bytes become "\upgrade\updateINFO.txt" and
    // the mode movie's "updateBlink" is "True". Any failure ends it silently
    // and writes nothing.
    void checkUpdate();

    // The mode screen's update flag.
    bool updateFound() const { return found_; }

private:
    void answered(const TextAnswer& answer, const std::string& version);

    AppContext& ctx_;
    WorkRunner& work_;
    UpdateLimits limits_;
    Movie* modeMovie_ = nullptr;
    bool found_ = false;
};

}  // namespace examsim
