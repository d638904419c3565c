#include "desktop/startup_loaders.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/error_log.h"
#include "core/file_ops.h"

namespace examsim {
namespace {

void loadOrReport(AppContext& ctx, const char* name, pugi::xml_document& doc) {
    if (!fileExists(dataFilePath(ctx, name))) return;
    loadDataDocument(ctx, name, doc);
}

}  // namespace

StartupLoaders desktopStartupLoaders() {
    StartupLoaders l;
    l.systemDocument = [](AppContext& ctx) { loadOrReport(ctx, "System", ctx.systemDoc); };
    l.productDocument = [](AppContext& ctx) { loadOrReport(ctx, "Product", ctx.productDoc); };
    l.answerDocument = [](AppContext& ctx) -> std::optional<std::string> {
        if (!fileExists(dataFilePath(ctx, "Answers")))
            return std::string("The answer file of this product, Database/Answers.wlb, is missing.");
        if (!loadDataDocument(ctx, "Answers", ctx.answerDoc))
            return std::string("The answer file of this product, Database/Answers.wlb, cannot be read.");
        return std::nullopt;
    };
    return l;
}

void loadQuestionBankForSplash(AppContext& ctx) {
    ctx.loadTrace += "lqb_s";
    if (!loadDataDocument(ctx, "QuestionBank", ctx.bankDoc)) reportFatalError(ctx, ctx.loadTrace, errorLogPath(ctx));
    ctx.loadTrace += "lqb_e";
}

}  // namespace examsim
