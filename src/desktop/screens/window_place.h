#pragma once

class QWidget;

namespace examsim {

// Moves a window to the middle of its owner, or of the owner's screen when
// there is no owner; it stays on that screen.
void centerOnOwner(QWidget& window, const QWidget* owner);

}  // namespace examsim
