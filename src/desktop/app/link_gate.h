#pragma once
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

namespace examsim {

// Lets an external link (a browser, the mail program, a document viewer) open
// only on a user's action: one link per click or activating key, taken within
// a few seconds of it, and never more than one link a second, whatever a
// page does in a loop. Watches the input of every window of the program.
class LinkGate : public QObject {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds, steady
    explicit LinkGate(Clock clock = {});
    ~LinkGate() override;

    // True when a link may open now; uses up the user's action.
    bool admit();

    static constexpr std::int64_t kActionLifetimeMs = 3000;
    static constexpr std::int64_t kMinimumGapMs = 1000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Clock clock_;
    std::optional<std::int64_t> action_;
    std::optional<std::int64_t> lastOpened_;
};

}  // namespace examsim
