#pragma once

namespace examsim {

// The program: start-up, the splash screen and the event loop.
int runApplication(int argc, char** argv);

// Settings the web engine needs before QApplication exists; once it exists,
// chooseWebRenderer (renderer_choice.h) picks how web views draw.
void prepareWebEngine();

}  // namespace examsim
