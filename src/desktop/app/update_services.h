#pragma once
#include "update/update_host.h"

#include <QObject>
#include <mutex>
#include <thread>
#include <vector>

namespace examsim {

// Requests on worker threads; a wait runs a local event loop, as a modal
// dialog does, so windows repaint and the learner can cancel.
class QtWorkRunner : public WorkRunner {
public:
    ~QtWorkRunner() override;
    void waitFor(const std::function<void()>& work) override;
    void inBackground(std::function<void()> work, std::function<void()> done) override;
    void processEvents() override;

private:
    QObject context_;  // the callbacks of background work are dropped with it
    std::mutex mutex_;
    std::vector<std::thread> background_;
};

// On line unless the system's network information says it is disconnected.
class QtConnectionState : public ConnectionState {
public:
    bool online() override;
};

// examsim-upgrade beside the program, started detached, never through a shell.
class DetachedHelper : public HelperStarter {
public:
    bool startHelper(const std::vector<std::string>& arguments) override;
};

}  // namespace examsim
