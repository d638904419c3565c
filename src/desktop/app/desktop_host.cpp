#include "desktop/app/desktop_host.h"

#include "desktop/screens/window_log.h"

#include <QApplication>
#include <QDesktopServices>
#include <QImageReader>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace examsim {

namespace {

QMessageBox::StandardButtons buttonsOf(BoxButtons buttons) {
    switch (buttons) {
        case BoxButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case BoxButtons::AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case BoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case BoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case BoxButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        case BoxButtons::OkOnly: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Critical: return QMessageBox::Critical;
        case BoxIcon::Question: return QMessageBox::Question;
        case BoxIcon::Exclamation: return QMessageBox::Warning;
        case BoxIcon::Information: return QMessageBox::Information;
        case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

BoxAnswer answerOf(int pressed) {
    switch (pressed) {
        case QMessageBox::Cancel: return BoxAnswer::Cancel;
        case QMessageBox::Abort: return BoxAnswer::Abort;
        case QMessageBox::Retry: return BoxAnswer::Retry;
        case QMessageBox::Ignore: return BoxAnswer::Ignore;
        case QMessageBox::Yes: return BoxAnswer::Yes;
        case QMessageBox::No: return BoxAnswer::No;
        default: return BoxAnswer::Ok;
    }
}

}  // namespace

BoxAnswer QtMessageBoxes::show(const std::string& text, BoxStyle style, const std::string& title) {
    QMessageBox box;
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(title.empty() ? QApplication::applicationDisplayName() : QString::fromStdString(title));
    box.setIcon(iconOf(style.icon));
    box.setStandardButtons(buttonsOf(style.buttons));
    logWindowEvent("message");
    return answerOf(box.exec());
}

DesktopLinks::DesktopLinks(LinkGate::Clock clock, Opener open)
    : gate_(std::move(clock)), open_(open ? std::move(open) : Opener([](const QUrl& url) { return QDesktopServices::openUrl(url); })) {}

void DesktopLinks::openLink(const std::string& target) {
    const QString t = QString::fromStdString(target);
    const QUrl url = t.startsWith('/') ? QUrl::fromLocalFile(t) : QUrl(t, QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (scheme != "http" && scheme != "https" && scheme != "mailto" && scheme != "file") return;
    if (!gate_.admit()) {
        std::fprintf(stderr, "examsim: not opening \"%s\": no click of the user's asked for it\n", target.substr(0, 200).c_str());
        return;
    }
    open_(url);
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

bool QtPictures::pictureSize(const std::filesystem::path& file, ScreenSize& size) {
    QImageReader reader(QString::fromStdString(file.string()));
    const QSize s = reader.size();
    if (!s.isValid()) return false;
    size = {s.width(), s.height()};
    return true;
}

}  // namespace examsim
