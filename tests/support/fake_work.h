#pragma once
#include "update/update_host.h"

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace examsim::test {

// Runs work on a real worker thread; what would come back to the window
// later waits until settle().
class FakeWorkRunner : public WorkRunner {
public:
    ~FakeWorkRunner() override { settle(); }
    void waitFor(const std::function<void()>& work) override;
    void inBackground(std::function<void()> work, std::function<void()> done) override;
    void processEvents() override;
    // Joins the background work and runs what it hands back, in order.
    void settle();

    int waits = 0;
    int eventRuns = 0;
    std::function<void()> onEvents;  // what the window does while events run

private:
    std::vector<std::thread> running_;
    std::vector<std::function<void()>> done_;
};

class FakeConnection : public ConnectionState {
public:
    bool online() override { return isOnline; }
    bool isOnline = true;
};

class FakeHelper : public HelperStarter {
public:
    bool startHelper(const std::vector<std::string>& arguments) override {
        started.push_back(arguments);
        return starts;
    }
    std::vector<std::vector<std::string>> started;
    bool starts = true;
};

}  // namespace examsim::test
