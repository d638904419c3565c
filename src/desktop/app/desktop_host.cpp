#include "desktop/app/desktop_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace examsim {

int QtMessageBoxes::show(const std::string& text, int style, const std::string& title) {
    QMessageBox box;
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title));
    switch (style & 0xF0) {
        case msg::Critical: box.setIcon(QMessageBox::Critical); break;
        case msg::Question: box.setIcon(QMessageBox::Question); break;
        case msg::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case msg::Information: box.setIcon(QMessageBox::Information); break;
        default: break;
    }
    switch (style & 0x0F) {
        case msg::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case 3: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
        case msg::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case 5: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
        default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return msg::Yes;
        case QMessageBox::No: return msg::No;
        case QMessageBox::Cancel: return msg::Cancel;
        case QMessageBox::Retry: return 4;
        default: return msg::Ok;
    }
}

void DesktopLinks::openLink(const std::string& target) {
    const QString t = QString::fromStdString(target);
    const QUrl url = t.startsWith('/') ? QUrl::fromLocalFile(t) : QUrl(t, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (scheme == "http" || scheme == "https" || scheme == "mailto" || scheme == "file") QDesktopServices::openUrl(url);
}

QStringList XdgMailer::arguments(const MailMessage& mail) {
    QStringList args{"--utf8"};
    if (!mail.cc.empty()) args << "--cc" << QString::fromStdString(mail.cc);
    if (!mail.subject.empty()) args << "--subject" << QString::fromStdString(mail.subject);
    if (!mail.htmlBody.empty()) args << "--body" << QString::fromStdString(mail.htmlBody);
    if (!mail.attachment.empty()) args << "--attach" << QString::fromStdString(mail.attachment.string());
    args << QString::fromStdString(mail.to);
    return args;
}

bool XdgMailer::send(const MailMessage& mail) {
    QProcess p;
    p.start("xdg-email", arguments(mail));
    if (!p.waitForFinished(30000)) {
        p.kill();
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void QtProgramControl::endProgram(int exitCode) {
    if (beforeEnd) beforeEnd();
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    std::fflush(nullptr);
    // The web engine's helper processes follow their parent; static
    // destructors of a half-shut engine are skipped on purpose.
    std::_Exit(exitCode);
}

ScreenSize QtScreen::screenPixels() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {1024, 768};
    return {s->geometry().width(), s->geometry().height()};
}

void QtScreen::resetMousePointer() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

}  // namespace examsim
