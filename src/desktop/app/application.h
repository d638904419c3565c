#pragma once

namespace examsim {

// The program: start-up, the splash screen and the event loop.
int runApplication(int argc, char** argv);

// Settings the web engine needs before QApplication exists.
void prepareWebEngine();

}  // namespace examsim
