#pragma once

namespace examsim {

// The live update as the mode screen reaches it.
class LiveUpdate {
public:
    virtual ~LiveUpdate() = default;
    // The quiet check for a newer version, run once the mode screen has loaded.
    virtual void checkUpdate() = 0;
    // The live-update screen, modally.
    virtual void showLiveUpdate() = 0;
};

}  // namespace examsim
