#include "support/fake_work.h"

namespace examsim::test {

void FakeWorkRunner::waitFor(const std::function<void()>& work) {
    ++waits;
    std::thread worker(work);
    // The window's events go on while the worker runs.
    if (onEvents) onEvents();
    worker.join();
}

void FakeWorkRunner::inBackground(std::function<void()> work, std::function<void()> done) {
    running_.emplace_back(std::move(work));
    done_.push_back(std::move(done));
}

void FakeWorkRunner::processEvents() {
    ++eventRuns;
    if (onEvents) onEvents();
}

void FakeWorkRunner::settle() {
    for (std::thread& t : running_) t.join();
    running_.clear();
    auto done = std::move(done_);
    done_.clear();
    for (auto& d : done) d();
}

}  // namespace examsim::test
