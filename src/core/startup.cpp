#include "core/startup.h"

#include "core/app_context.h"
#include "core/file_ops.h"
#include "core/messages.h"

#include <cstdlib>

namespace examsim {
namespace {

[[noreturn]] void refuse(AppContext& ctx, const std::string& text, BoxStyle style, const char* title, int code) {
    if (ctx.host.messages) ctx.host.messages->show(text, style, title);
    if (ctx.host.program) ctx.host.program->endProgram(code);
    std::exit(code);
}

void run(const std::function<void(AppContext&)>& loader, AppContext& ctx) {
    if (loader) loader(ctx);
}

}  // namespace

void runStartup(AppContext& ctx, InstanceLock& lock, const StartupLoaders& loaders) {
    if (!lock.acquire()) refuse(ctx, kAlreadyRunning, msg::OkOnly | msg::Exclamation, "", 0);
    deleteFolder(ctx.paths, ctx.paths.resolve("/upgrade/patch"));
    run(loaders.systemDocument, ctx);
    run(loaders.messageCatalogue, ctx);
    run(loaders.productDocument, ctx);
    if (loaders.answerDocument)
        if (auto problem = loaders.answerDocument(ctx)) refuse(ctx, *problem, msg::OkOnly | msg::Critical, kStandardTitle, 1);
}

}  // namespace examsim
