#include "desktop/screens/live_update_window.h"

#include "desktop/movie/movie_player.h"
#include "screens/live_update_contract.h"

#include <QCloseEvent>

namespace examsim {

LiveUpdateWindow::LiveUpdateWindow(AppContext& ctx, WebEnvironment& web, LiveUpdateHost host, QWidget* owner)
    : MovieWindow(ctx, web, owner, Qt::Dialog), logic_(ctx, host) {
    setObjectName(live_update_contract::kScreen);
    setWindowTitle("Online Update");
    attach(logic_);
    // Handled after the page's message has been taken: an update runs for
    // minutes, and the page's messages (its Cancel) reach the host only once
    // the handler of the message before has returned.
    player().setCommandHandler([this](const std::string& c, const std::string& a) {
        QMetaObject::invokeMethod(this, [this, c, a] { logic_.FSCommand(c, a); }, Qt::QueuedConnection);
    });
    // As tall as its tallest page needs, with no empty band under it.
    resizeByScales(560, 312);
    logic_.load();
}

void LiveUpdateWindow::closeEvent(QCloseEvent* event) {
    // The update's own steps close the window when it is done.
    if (logic_.busy()) {
        logic_.cancelProgress();
        event->ignore();
        return;
    }
    MovieWindow::closeEvent(event);
}

}  // namespace examsim
