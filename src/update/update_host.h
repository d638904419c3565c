#pragma once
#include <functional>
#include <string>
#include <vector>

namespace examsim {

// What the update needs of the desktop; the Qt layer implements these and
// tests fake them.

// Runs requests off the user-interface thread.
class WorkRunner {
public:
    virtual ~WorkRunner() = default;
    // Runs `work` on a worker thread and returns once it has ended; meanwhile
    // the windows go on drawing and taking input, as under a modal dialog.
    virtual void waitFor(const std::function<void()>& work) = 0;
    // Runs `work` on a worker thread and returns at once; `done` runs after it
    // on the user-interface thread (not at all when the program ends first).
    virtual void inBackground(std::function<void()> work, std::function<void()> done) = 0;
    // Lets the window events that are waiting run.
    virtual void processEvents() = 0;
};

// Whether the machine is on line; true when the system cannot tell.
class ConnectionState {
public:
    virtual ~ConnectionState() = default;
    virtual bool online() = 0;
};

// The program's own update helper, beside the program: started detached with
// these arguments, never through a shell. False when it could not be started.
class HelperStarter {
public:
    virtual ~HelperStarter() = default;
    virtual bool startHelper(const std::vector<std::string>& arguments) = 0;
};

}  // namespace examsim
