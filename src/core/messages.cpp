#include "core/messages.h"

#include "core/app_context.h"

namespace examsim {

const std::string& messageText(AppContext& ctx, const std::string& code) {
    return ctx.catalogue[code];  // an unknown code is added with the empty text
}

int showMessage(AppContext& ctx, const std::string& code, int style, const std::string& title) {
    const std::string text = messageText(ctx, code);
    if (!ctx.host.messages) return msg::Ok;
    return ctx.host.messages->show(text, style, title);
}

}  // namespace examsim
