#include "desktop/screens/splash_window.h"

#include "desktop/movie/movie_player.h"
#include "desktop/screens/startup_trace.h"
#include "desktop/screens/window_log.h"
#include "screens/splash_contract.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace examsim {

SplashWindow::SplashWindow(AppContext& ctx, WebEnvironment& web, SplashSteps steps)
    : MovieWindow(ctx, web, nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      logic_(ctx, *this),
      steps_(std::move(steps)) {
    setObjectName(splash_contract::kScreen);
    setAttribute(Qt::WA_DeleteOnClose);
    attach(logic_);
    // Over the movie.
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    status_->setStyleSheet("color: rgba(255,255,255,200); background: transparent; font-size: 11px; padding: 0 14px;");
    const QSize size(720, 440);
    resize(size);
    placeMovie();
    status_->setGeometry(size.width() - 330, 14, 316, 20);
    status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    // The loader runs while the splash movie is still loading, so the mode
    // screen's movie loads beside it; short ticks keep the hand-over close
    // behind the mode screen's "kill".
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&player(), &MoviePlayer::drawn, this, [this] {
        drawn_.start();
        logWindowEvent("splash");
    });
    connect(&timer_, &QTimer::timeout, this, [this] {
        traceStartup("loader tick");
        logic_.runSplashLoader();
    });
}

void SplashWindow::start() {
    show();
    logic_.load();
    player().GotoFrame(splash_contract::frame::Loading);
    timer_.start(kTickMilliseconds);
}

void SplashWindow::setCaption(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

void SplashWindow::setStatusLabel(const std::string& text) {
    status_->setText(QString::fromStdString(text));
    status_->repaint();
}

void SplashWindow::loadReports() {
    if (steps_.loadReports) steps_.loadReports();
}

void SplashWindow::loadQuestionBank() {
    if (steps_.loadQuestionBank) steps_.loadQuestionBank();
}

void SplashWindow::prepareScreens() {
    if (steps_.prepareScreens) steps_.prepareScreens();
}

// The splash stays a few frames once drawn, so it is seen rather than
// flashed; a movie that never draws holds the program up for five seconds
// at most.
bool SplashWindow::readyForHandOver() {
    const bool seen = (drawn_.isValid() && drawn_.elapsed() >= kShownMilliseconds) || logic_.ticks() > 5000 / kTickMilliseconds;
    return seen && (!steps_.modeScreenReady || steps_.modeScreenReady());
}

void SplashWindow::startModeScreen() {
    if (steps_.startModeScreen) steps_.startModeScreen();
}

void SplashWindow::handOver() {
    if (steps_.handOver) steps_.handOver();
    close();
}

}  // namespace examsim
