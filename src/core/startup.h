#pragma once
#include <functional>

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
    std::function<void(AppContext&)> answerDocument;
};

inline constexpr const char* kAlreadyRunning = "The Simulator is already running";
inline constexpr const char* kAnswersMissing =
    "The answer file of this product (Database\\Answers.wlb) is missing. Please install the product again.";

// Start-up up to showing the splash screen: the instance check, removing a
// left-over update folder and loading the documents. Ends the program (through
// the host) when another instance runs or the answer file is missing.
void runStartup(AppContext& ctx, InstanceLock& lock, const StartupLoaders& loaders);

}  // namespace examsim
