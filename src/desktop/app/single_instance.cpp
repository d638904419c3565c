#include "desktop/app/single_instance.h"

namespace examsim {

SingleInstance::SingleInstance(const std::filesystem::path& appFolder)
    : path_(QString::fromStdString((appFolder / kInstanceLockName).string())) {}

bool SingleInstance::acquire() {
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    // A folder that takes no lock file takes no other file either: a second
    // instance could spoil nothing there.
    return lock_->error() != QLockFile::LockFailedError;
}

void SingleInstance::release() {
    if (lock_) lock_->unlock();
}

}  // namespace examsim
