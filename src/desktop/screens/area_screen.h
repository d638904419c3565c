#pragma once

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace examsim {

// A screen that fills the main window's area: a frameless child of the area,
// named `frameName`, that the user does not resize.
QMdiSubWindow* addAreaScreen(QMdiArea& area, QWidget& screen, const char* frameName);

// Such a screen on view fills the area again after the area changed size.
void keepMaximised(QMdiSubWindow* frame);

// Twips per pixel down the screen, as the screens' logic measures.
double twipsPerPixel(const QWidget& screen);

}  // namespace examsim
