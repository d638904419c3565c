#include "bank/tips.h"

#include "bank/study_document.h"
#include "core/app_context.h"
#include "core/xml.h"

namespace examsim {

void loadTipDocument(AppContext& ctx) { loadStudyDocument(ctx, "tip", ctx.tipDoc, msgcode::TipFileUnreadable); }

std::string tipOfToday(AppContext& ctx) {
    loadTipDocument(ctx);
    return textContent(ctx.tipDoc.child("tips"));
}

}  // namespace examsim
