#pragma once
#include <functional>
#include <optional>
#include <string>

namespace examsim {

struct AppContext;

// The single-instance check.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // False when another instance holds the lock.
    virtual bool acquire() = 0;
};

// The document loaders start-up runs, in this order.
struct StartupLoaders {
    std::function<void(AppContext&)> systemDocument;
    std::function<void(AppContext&)> messageCatalogue;
    std::function<void(AppContext&)> productDocument;
    // Returns what is wrong when the answer document cannot be loaded.
    std::function<std::optional<std::string>(AppContext&)> answerDocument;
};

inline constexpr const char* kAlreadyRunning = "The Simulator is already running";

// Start-up up to showing the splash screen: the instance check, removing a
// left-over update folder and loading the documents. Ends the program (through
// the host) when another instance runs or the answer document cannot be loaded.
void runStartup(AppContext& ctx, InstanceLock& lock, const StartupLoaders& loaders);

}  // namespace examsim
