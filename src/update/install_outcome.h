#pragma once
#include "update/archive_install.h"

#include <filesystem>

namespace examsim {

class AppPaths;
struct AppContext;

// The update helper runs detached, after the update screen has closed: the
// only way its failure reaches the learner is this note, read at the next start.
inline constexpr const char* kInstallOutcome = "/upgrade/install-outcome.txt";

// Written by the helper once an install has run, atomically.
void recordInstallOutcome(const AppPaths& paths, const InstallResult& result);

// At start-up: when the last install failed, says so and why; the note is
// removed either way, so it is said once.
void reportLastInstall(AppContext& ctx);

}  // namespace examsim
