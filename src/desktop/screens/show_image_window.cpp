#include "desktop/screens/show_image_window.h"

#include "screens/show_image_screen_contract.h"

namespace examsim {
namespace {

ShowImagePeers withWindows(ShowImagePeers peers, ShowImageWindows* windows) {
    peers.windows = windows;
    return peers;
}

}  // namespace

ShowImageWindow::ShowImageWindow(AppContext& ctx, WebEnvironment& web, ShowImagePeers peers,
                                 std::function<void()> hideReport, QWidget* owner)
    : MovieWindow(ctx, web, owner, Qt::Dialog), logic_(ctx, withWindows(peers, this)), hideReport_(std::move(hideReport)) {
    setObjectName(show_image_contract::kScreen);
    attach(logic_);
    resizeByScales(860, 620);
    logic_.load();
}

void ShowImageWindow::showQuestion(const std::string& caption, bool userResponse) {
    setWindowTitle(QString::fromStdString(caption));
    logic_.showUserResponse = userResponse;
    logic_.activate();
    QMetaObject::invokeMethod(this, [this] { emit playing(); }, Qt::QueuedConnection);
    exec();
}

void ShowImageWindow::hideReportScreen() {
    if (hideReport_) hideReport_();
}

// A window without an owner is this object's to delete.
ShowImageScreens::~ShowImageScreens() {
    if (window_ && !window_->parent()) delete window_;
}

void ShowImageScreens::showDragDropReport(const std::string& caption, bool userResponse) {
    if (!window_) {
        window_ = new ShowImageWindow(ctx_, web_, peers, hideReport, owner);
        if (onCreated) onCreated(*window_);
    }
    window_->showQuestion(caption, userResponse);
}

}  // namespace examsim
