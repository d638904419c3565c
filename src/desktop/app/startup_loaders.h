#pragma once
#include "core/startup.h"
#include "desktop/screens/splash_window.h"

namespace examsim {

// The document loaders start-up runs, and the loading steps of the splash.
StartupLoaders desktopStartupLoaders();
void addSplashLoaders(AppContext& ctx, SplashSteps& steps);

}  // namespace examsim
