#include "desktop/screens/about_window.h"

#include "core/app_context.h"
#include "core/links.h"
#include "desktop/movie/movie_player.h"
#include "screens/about_contract.h"

#include <QVBoxLayout>

namespace examsim {

AboutWindow::AboutWindow(AppContext& ctx, WebEnvironment& web, QWidget* owner) : QDialog(owner), logic_(ctx) {
    setObjectName(about_contract::kScreen);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    player_ = new MoviePlayer(web, [&ctx](const QUrl& url) { openLink(ctx, url.toString().toStdString()); }, this);
    layout->addWidget(player_);
    resize(static_cast<int>(560 * std::max(1.0f, ctx.horizontalScale)), static_cast<int>(400 * std::max(1.0f, ctx.verticalScale)));
    logic_.attachMovie(*player_);
    player_->setCommandHandler([this](const std::string& c, const std::string& a) { logic_.FSCommand(c, a); });
    logic_.load();
    setWindowTitle(QString::fromStdString(logic_.caption()));
}

}  // namespace examsim
