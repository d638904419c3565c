#include "desktop/app/startup_loaders.h"

#include "bank/answers.h"
#include "bank/question_bank.h"
#include "core/app_context.h"
#include "core/messages.h"
#include "core/product_config.h"
#include "reports/report_history.h"

namespace examsim {

StartupLoaders desktopStartupLoaders() {
    StartupLoaders l;
    l.systemDocument = loadSystemDocument;
    l.messageCatalogue = loadMessageCatalogue;
    l.productDocument = loadProductDocument;
    l.answerDocument = [](AppContext& ctx) -> std::optional<std::string> {
        const AnswerLoad load = loadAnswerDocument(ctx);
        if (load) return std::nullopt;
        return load.problem;
    };
    return l;
}

void addSplashLoaders(AppContext& ctx, SplashSteps& steps) {
    steps.loadReports = [&ctx] { loadReportHistory(ctx); };
    steps.loadQuestionBank = [&ctx] { loadQuestionBankStep(ctx); };
}

}  // namespace examsim
