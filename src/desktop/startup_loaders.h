#pragma once
#include "core/startup.h"

namespace examsim {

// The document loaders start-up and the splash loader run.
StartupLoaders desktopStartupLoaders();
void loadQuestionBankForSplash(AppContext& ctx);

}  // namespace examsim
