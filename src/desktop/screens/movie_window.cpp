#include "desktop/screens/movie_window.h"

#include "core/app_context.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/page_view.h"
#include "desktop/screens/window_place.h"

#include <QEvent>
#include <QEventLoop>
#include <QHideEvent>
#include <QPalette>
#include <QShortcut>
#include <algorithm>

namespace examsim {

MovieWindow::MovieWindow(AppContext& ctx, WebEnvironment& web, QWidget* owner, Qt::WindowFlags flags)
    : QWidget(owner, flags), ctx_(ctx) {
    player_ = new MoviePlayer(web, openLinkHandler(ctx), this);
    helpKey_ = addHelpKey(*this, *this);
    helpKey_->setEnabled(isWindow());
}

// Inside another window (a screen of the main window) that window answers
// F1, and two keys of one window would cancel each other.
void MovieWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (helpKey_ && event->type() == QEvent::ParentChange) helpKey_->setEnabled(isWindow());
}

void MovieWindow::helpKey() {
    if (screen_) screen_->showHelp();
}

void MovieWindow::attach(MovieScreen& screen) {
    screen_ = &screen;
    screen.attachMovie(*player_);
    screen.attachWindow(*this);
    player_->setCommandHandler([&screen](const std::string& c, const std::string& a) { screen.FSCommand(c, a); });
}

void MovieWindow::resizeByScales(int width, int height) {
    resize(static_cast<int>(width * std::max(1.0f, ctx_.horizontalScale)),
           static_cast<int>(height * std::max(1.0f, ctx_.verticalScale)));
}

void MovieWindow::placeMovie() { player_->setGeometry(movieGeometry()); }

// The movies' --bg of both palettes.
void MovieWindow::fillWithMovieBackground() {
    setAutoFillBackground(true);
    QPalette p = palette();
    const bool dark = p.color(QPalette::Window).lightness() < 128;
    p.setColor(QPalette::Window, dark ? QColor(0x10, 0x1c, 0x26) : QColor(0xf4, 0xf7, 0xfa));
    setPalette(p);
}

void MovieWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeMovie();
}

void MovieWindow::exec() {
    setWindowModality(Qt::ApplicationModal);
    // The page has the focus and would keep Escape to itself.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    centerOnOwner(*this, parentWidget());
    show();
    player_->setFocus();
    QEventLoop loop;
    connect(this, &MovieWindow::hidden, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    delete escape;
}

// Closed or hidden by the program; a window manager's minimise is no close.
void MovieWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) emit hidden();
}

}  // namespace examsim
