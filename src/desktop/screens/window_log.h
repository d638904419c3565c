#pragma once

namespace examsim {

// With EXAMSIM_WINDOW_LOG=1 the program prints "examsim: window <event>" on
// standard output when a window or a message box is on the screen, for scripts that drive it
// (the screenshot test, the start-up benchmark).
void logWindowEvent(const char* event);

}  // namespace examsim
