#pragma once
#include "core/startup.h"

#include <QLockFile>
#include <QString>
#include <filesystem>
#include <memory>

namespace examsim {

// One running program per application folder, through a lock file in the
// user's runtime folder; a lock left by a crashed program is taken over.
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
