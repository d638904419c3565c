#pragma once
#include "core/startup.h"

#include <QLockFile>
#include <QString>
#include <filesystem>
#include <memory>

namespace examsim {

inline constexpr const char* kInstanceLockName = ".examsim.lock";

// One running program per application folder, through a lock file inside that
// folder, so every process that shares the folder (another user, another
// runtime folder, another session) sees the same lock. The lock is held by
// the file system as well, so a lock left by a crashed program is taken over
// and one held by a live program in another process space is not.
class SingleInstance : public InstanceLock {
public:
    explicit SingleInstance(const std::filesystem::path& appFolder);
    bool acquire() override;
    void release();
    const QString& lockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace examsim
