#include "desktop/screens/area_screen.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace examsim {

QMdiSubWindow* addAreaScreen(QMdiArea& area, QWidget& screen, const char* frameName) {
    QMdiSubWindow* frame = area.addSubWindow(&screen, Qt::FramelessWindowHint);
    frame->setObjectName(frameName);
    frame->setOption(QMdiSubWindow::RubberBandResize, false);
    return frame;
}

void keepMaximised(QMdiSubWindow* frame) {
    if (frame && frame->isVisible() && !frame->isMaximized()) frame->showMaximized();
}

double twipsPerPixel(const QWidget& screen) { return 1440.0 / screen.logicalDpiY(); }

}  // namespace examsim
