#include "core/app_context.h"

namespace examsim {

AppContext& AppContext::instance() {
    static AppContext ctx;
    return ctx;
}

std::filesystem::path currentTestFilePath(const AppContext& ctx) {
    return ctx.paths.resolve("\\Database\\" + ctx.currentTestFileName);
}

void computeScreenScale(AppContext& ctx) {
    if (!ctx.host.screen) return;
    const ScreenSize s = ctx.host.screen->screenPixels();
    ctx.screen1024 = s.width == 1024;
    ctx.horizontalScale = static_cast<float>(s.width) / 1024.0f;
    ctx.verticalScale = static_cast<float>(s.height) / 768.0f;
}

void initScreenAndHelp(AppContext& ctx) {
    if (!ctx.host.screen) return;
    ctx.host.screen->setApplicationHelpFile(ctx.paths.resolve("\\Help\\help.chm"));
    ctx.host.screen->resetMousePointer();
}

}  // namespace examsim
