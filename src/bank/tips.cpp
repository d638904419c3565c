#include "bank/tips.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/messages.h"
#include "core/xml.h"

namespace examsim {

void loadTipDocument(AppContext& ctx) {
    try {
        if (loadDataDocument(ctx, "tip", ctx.tipDoc)) return;
    } catch (const CryptError&) {
        ctx.tipDoc.reset();
    }
    showMessage(ctx, "qe8", msg::Critical);
}

std::string tipOfToday(AppContext& ctx) {
    loadTipDocument(ctx);
    return textContent(ctx.tipDoc.child("tips"));
}

}  // namespace examsim
