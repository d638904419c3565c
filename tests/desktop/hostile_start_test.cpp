// The real program on damaged application folders: it tells the user and is
// never ended by a signal.
#include "real_program.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace examsim::test;

TEST(HostileStart, AMegabyteOfNestingInTheProductNameShowsAMessageInsteadOfACrash) {
    TempFolder out;
    const auto app = out.path() / "app";
    ASSERT_TRUE(assembleSampleApp(app));
    std::string deep;
    for (int i = 0; i < 150000; ++i) deep += "<b>";
    deep += "Network Essentials";
    for (int i = 0; i < 150000; ++i) deep += "</b>";
    patchEnciphered(app / "Database" / "Product.wlb", "Network Essentials", deep);

    QProcess program;
    startProgram(program, app, out.path() / "runtime");
    ASSERT_TRUE(program.waitForStarted(20000));
    const bool told = waitForLine(program, "examsim: window message");
    const bool crashed = program.state() == QProcess::NotRunning && program.exitStatus() == QProcess::CrashExit;
    program.kill();
    program.waitForFinished(10000);
    EXPECT_TRUE(told) << "no message box before the program ended";
    EXPECT_FALSE(crashed) << "the program died by a signal";
}
