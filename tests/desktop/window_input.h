#pragma once
#include <QString>
#include <Qt>
#include <functional>

class QWidget;

namespace examsim::test {

// The ways a user closes a window without answering it.
enum class CloseWay { EscapeKey, WindowManager };
inline constexpr CloseWay kCloseWays[] = {CloseWay::EscapeKey, CloseWay::WindowManager};
const char* describe(CloseWay way);

// A key pressed in the window, through the window system as a user's key
// comes, after the window was made the active one.
void pressKey(QWidget& window, Qt::Key key);

// The close event the window manager sends to a shown window.
void sendWindowClose(QWidget& window);

// Closes a shown window that way. A window still open afterwards fails the
// test and is closed, so no modal loop hangs it.
void closeBy(QWidget& window, CloseWay way);

// Once a visible top-level window of that object name shows (a modal
// dialog's exec is then running), runs `act` on it from the event loop. The
// action is to close it: still open 20 s later, it fails the test and is closed.
void whenShown(const QString& objectName, std::function<void(QWidget&)> act);

}  // namespace examsim::test
