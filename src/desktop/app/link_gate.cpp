#include "desktop/app/link_gate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

namespace examsim {
namespace {

std::int64_t steadyMs() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

}  // namespace

LinkGate::LinkGate(Clock clock) : clock_(clock ? std::move(clock) : Clock(steadyMs)) {
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

LinkGate::~LinkGate() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool LinkGate::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        action_ = clock_();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) action_ = clock_();
    }
    return false;
}

bool LinkGate::admit() {
    const std::int64_t now = clock_();
    if (!action_ || now - *action_ > kActionLifetimeMs) return false;
    if (lastOpened_ && now - *lastOpened_ < kMinimumGapMs) return false;
    action_.reset();
    lastOpened_ = now;
    return true;
}

}  // namespace examsim
