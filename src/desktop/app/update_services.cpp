#include "desktop/app/update_services.h"

#include "core/app_paths.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkInformation>
#include <QProcess>
#include <QStringList>

namespace examsim {

QtWorkRunner::~QtWorkRunner() {
    std::vector<std::thread> running;
    {
        std::lock_guard lock(mutex_);
        running.swap(background_);
    }
    for (std::thread& t : running) t.join();
}

void QtWorkRunner::waitFor(const std::function<void()>& work) {
    QEventLoop loop;
    std::thread worker([&work, &loop] {
        work();
        // Posted, so it quits the loop even when it arrives before exec().
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // As a modal dialog's loop.
    loop.exec(QEventLoop::DialogExec);
    worker.join();
}

void QtWorkRunner::inBackground(std::function<void()> work, std::function<void()> done) {
    // The destructor joins every worker before the context goes.
    QObject* context = &context_;
    std::lock_guard lock(mutex_);
    background_.emplace_back([work = std::move(work), done = std::move(done), context]() mutable {
        work();
        QMetaObject::invokeMethod(context, std::move(done), Qt::QueuedConnection);
    });
}

void QtWorkRunner::processEvents() { QCoreApplication::processEvents(); }

bool QtConnectionState::online() {
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

bool DetachedHelper::startHelper(const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    const QString program = QString::fromStdString((executableFolder() / "examsim-upgrade").string());
    return QProcess::startDetached(program, args);
}

}  // namespace examsim
