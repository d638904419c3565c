#include "window_input.h"

#include "engine_support.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace examsim::test {
namespace {

void endAnyway(QWidget& window) {
    if (auto* dialog = qobject_cast<QDialog*>(&window))
        dialog->done(QDialog::Rejected);
    else
        window.hide();
}

}  // namespace

const char* describe(CloseWay way) { return way == CloseWay::EscapeKey ? "Escape" : "the window manager's close"; }

void sendWindowClose(QWidget& window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window.window()->windowHandle(), &close);
}

void pressKey(QWidget& window, Qt::Key key) {
    QWidget* frame = window.window();
    ASSERT_NE(frame->windowHandle(), nullptr) << "the window is not shown";
    frame->activateWindow();
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == frame; }, 5000));
    QTest::keyClick(frame->windowHandle(), key);
}

void closeBy(QWidget& window, CloseWay way) {
    if (way == CloseWay::EscapeKey)
        pressKey(window, Qt::Key_Escape);
    else
        sendWindowClose(window);
    QCoreApplication::processEvents();
    if (!window.isVisible()) return;
    ADD_FAILURE() << describe(way) << " left " << window.objectName().toStdString() << " open";
    endAnyway(window);
}

void whenShown(const QString& objectName, std::function<void(QWidget&)> act) {
    auto* poll = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [=] {
        QWidget* shown = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == objectName && w->isVisible()) shown = w;
        if (!shown && clock->elapsed() < 20000) return;
        poll->stop();
        poll->deleteLater();
        if (!shown) {
            ADD_FAILURE() << objectName.toStdString() << " never showed";
            return;
        }
        act(*shown);
        QTimer::singleShot(20000, shown, [shown, objectName] {
            if (!shown->isVisible()) return;
            ADD_FAILURE() << objectName.toStdString() << " stayed open";
            endAnyway(*shown);
        });
    });
    poll->start(20);
}

}  // namespace examsim::test
