#include "desktop/app/application.h"
#include "desktop/app/renderer_choice.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <gtest/gtest.h>
#include <stdlib.h>

int holdLock(const char* folder);

int main(int argc, char** argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--hold-lock") return holdLock(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    // A runtime folder of this process alone: parallel tests do not share locks or sockets.
    char runtime[] = "/tmp/examsim-test-XXXXXX";
    if (::mkdtemp(runtime)) qputenv("XDG_RUNTIME_DIR", runtime);
    examsim::prepareWebEngine();
    QApplication app(argc, argv);
    examsim::chooseWebRenderer();
    const int rc = RUN_ALL_TESTS();
    QDir(runtime).removeRecursively();
    return rc;
}
