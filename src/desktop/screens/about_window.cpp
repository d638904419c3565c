#include "desktop/screens/about_window.h"

#include "screens/about_contract.h"

namespace examsim {

AboutWindow::AboutWindow(AppContext& ctx, WebEnvironment& web, QWidget* owner)
    : MovieWindow(ctx, web, owner, Qt::Dialog), logic_(ctx) {
    setObjectName(about_contract::kScreen);
    attach(logic_);
    resizeByScales(560, 400);
    logic_.load();
    setWindowTitle(QString::fromStdString(logic_.caption()));
}

}  // namespace examsim
