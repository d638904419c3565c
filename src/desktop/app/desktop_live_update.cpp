#include "desktop/app/desktop_live_update.h"

#include "core/crypt_api.h"
#include "core/app_context.h"
#include "desktop/screens/live_update_window.h"

#include <QApplication>

namespace examsim {

DesktopLiveUpdate::DesktopLiveUpdate(AppContext& ctx, WebEnvironment& web)
    : ctx_(ctx), web_(web), check_(ctx, work_) {}

void DesktopLiveUpdate::showLiveUpdate() {
    try {
        LiveUpdateWindow window(ctx_, web_, {&work_, &connection_, &helper_}, QApplication::activeWindow());
        window.exec();
    } catch (const CryptError& e) {
        if (ctx_.host.messages) ctx_.host.messages->show(e.description(), msg::OkOnly | msg::Critical, "");
    }
}

}  // namespace examsim
