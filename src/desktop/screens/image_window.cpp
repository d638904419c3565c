#include "desktop/screens/image_window.h"

#include "core/app_context.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/window_place.h"
#include "screens/image_screen_contract.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace examsim {
namespace {

ImageScreenPeers withWindow(ImageScreenPeers peers, ImageWindow* window, FinishDialogs* finish) {
    peers.window = window;
    peers.finish = finish;
    return peers;
}

}  // namespace

ImageScreenWindow::ImageScreenWindow(AppContext& ctx, WebEnvironment& web, ImageScreenPeers peers, QWidget* owner)
    : MovieWindow(ctx, web, owner, Qt::Dialog), logic_(ctx, withWindow(peers, this, this)), question_(peers.question) {
    setObjectName(image_contract::kScreen);
    setWindowTitle(QString::fromStdString(ctx.windowTitle));
    attach(logic_);
    resize(760, 560);
    logic_.load();
}

void ImageScreenWindow::play() {
    logic_.activate();
    QMetaObject::invokeMethod(this, [this] { emit playing(); }, Qt::QueuedConnection);
    exec();
}

void ImageScreenWindow::hideImageScreen() {
    if (finish_) closeFinish();
    // Ends the modal wait of play().
    close();
}

void ImageScreenWindow::disableFileMenu() {
    if (question_) question_->disableFileMenu();
}

double ImageScreenWindow::twipsPerPixelX() { return 1440.0 / logicalDpiX(); }
double ImageScreenWindow::twipsPerPixelY() { return 1440.0 / logicalDpiY(); }

// The movie fills the window, so nothing of it is cut off; the window keeps
// to the screen it is on, and the movie scales the picture into it.
void ImageScreenWindow::sizeImageScreen(const ImageScreenSize& size) {
    int w = static_cast<int>(std::lround(size.windowWidthTwips / twipsPerPixelX()));
    int h = static_cast<int>(std::lround(size.windowHeightTwips / twipsPerPixelY()));
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        w = std::min(w, room.width() * 95 / 100);
        h = std::min(h, room.height() * 95 / 100);
    }
    resize(std::max(w, 320), std::max(h, 240));
    centerOnOwner(*this, parentWidget());
    emit sized(size);
}

void ImageScreenWindow::showFinish(ReplyTarget& parent, const FinishFlags& flags) {
    runFinishDialog(parent, flags, this, finish_, [this](FinishDialogWindow* d) { emit finishShown(d); });
}

void ImageScreenWindow::closeFinish() { closeFinishDialog(finish_); }

void ImageScreens::attach(QWidget* owner, QuestionWindow* question, Movie* questionMovie, TestRunPeers peers) {
    owner_ = owner;
    peers_.report = peers.report;
    peers_.mode = peers.mode;
    peers_.question = question;
    peers_.questionMovie = questionMovie;
}

void ImageScreens::unload() {
    if (!window_) return;
    window_->hideImageScreen();
    // Deleted once its modal wait, if any, has returned.
    window_->deleteLater();
    window_ = nullptr;
}

void ImageScreens::showModal() {
    if (!window_) {
        window_ = new ImageScreenWindow(ctx_, web_, peers_, owner_);
        if (onCreated) onCreated(*window_);
    }
    window_->play();
}

void ImageScreens::hideScreen() {
    if (window_) window_->hideImageScreen();
}

void ImageScreens::clearResponse() {
    if (window_) window_->logic().clearResponse();
}

}  // namespace examsim
