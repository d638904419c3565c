#include "desktop/screens/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace examsim {

void centerOnOwner(QWidget& window, const QWidget* owner) {
    const QWidget* frame = owner ? owner->window() : nullptr;
    const QScreen* screen = frame ? frame->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect placed(QPoint(), window.frameGeometry().size());
    placed.moveCenter(frame && frame->isVisible() ? frame->frameGeometry().center() : area.center());
    placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width())));
    placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height())));
    window.move(placed.topLeft());
}

}  // namespace examsim
