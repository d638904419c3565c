#include "desktop/app/single_instance.h"
#include "engine_support.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>

using namespace examsim;
using namespace examsim::test;

// The child process of the test below: holds the lock until it is killed.
int holdLock(const char* folder) {
    SingleInstance lock{std::filesystem::path(folder)};
    if (!lock.acquire()) return 3;
    std::cout << "locked" << std::endl;
    for (int i = 0; i < 600; ++i) QThread::msleep(100);
    return 0;
}

TEST(SingleInstance, ASecondInstanceIsRefusedWhileTheFirstRunsAndAdmittedAfter) {
    TempFolder app;
    QProcess first;
    // The first instance runs with a runtime folder of its own, as another user or session would.
    TempFolder runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path().string()));
    first.setProcessEnvironment(env);
    first.start(QCoreApplication::applicationFilePath(), {"--hold-lock", QString::fromStdString(app.path().string())});
    ASSERT_TRUE(first.waitForReadyRead(20000));
    ASSERT_TRUE(first.readAll().contains("locked"));

    SingleInstance second(app.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(std::filesystem::exists(app / kInstanceLockName)) << "the lock lives in the application folder";
    TempFolder otherApp;
    SingleInstance elsewhere(otherApp.path());
    EXPECT_TRUE(elsewhere.acquire()) << "another application folder runs on its own";

    first.kill();  // a crashed first instance leaves its lock behind
    first.waitForFinished();
    EXPECT_TRUE(second.acquire());
}
