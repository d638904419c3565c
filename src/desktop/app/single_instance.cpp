#include "desktop/app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

namespace examsim {

SingleInstance::SingleInstance(const std::filesystem::path& appFolder) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    const QByteArray id = QCryptographicHash::hash(QByteArray::fromStdString(appFolder.lexically_normal().string()),
                                                   QCryptographicHash::Sha1)
                              .toHex()
                              .left(16);
    path_ = dir + "/examsim-" + QString::fromLatin1(id) + ".lock";
}

bool SingleInstance::acquire() {
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
}

void SingleInstance::release() {
    if (lock_) lock_->unlock();
}

}  // namespace examsim
