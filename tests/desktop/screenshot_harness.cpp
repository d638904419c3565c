// Starts the real program as README starts it (no web-engine flags, no
// renderer settings, whatever OpenGL the X server offers) on the assembled
// sample product, saves pictures of the splash screen, the main window and the
// About window opened from the Help menu by keyboard, and checks that none of
// them is blank.
//   desktop_screenshot <examsim-pack> <examsim> <product folder> <output folder>
#include "x_input.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <iostream>

namespace {

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) colours.insert(line[x]);
    }
    return colours.size();
}

QImage grabScreen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

// The splash is centred and alone on the screen: its middle has the movie's
// colours, and above it is still the bare (black) root window. Only that part
// of the screen is read, so watching does not slow the X server down.
bool splashOnScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QImage part = QGuiApplication::primaryScreen()
                            ->grabWindow(0, screen.width() / 2 - 300, screen.height() / 2 - 250, 600, 430)
                            .toImage();
    return part.pixel(300, 0) == qRgb(0, 0, 0) && distinctColours(part.copy(0, 70, 600, 360)) >= 200;
}

bool fail(const std::string& why) {
    std::cerr << "desktop_screenshot: " << why << "\n";
    return false;
}

void settle(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// What a user's desktop gives the program: no setting that picks a renderer.
QProcessEnvironment userEnvironment(const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QTWEBENGINE_CHROMIUM_FLAGS", "LIBGL_ALWAYS_SOFTWARE", "QT_QUICK_BACKEND",
                             "QSG_RHI_BACKEND", "QT_QPA_PLATFORM", "QT_XCB_GL_INTEGRATION"})
        env.remove(name);
    env.insert("EXAMSIM_WINDOW_LOG", "1");
    env.insert("XDG_RUNTIME_DIR", runtime);
    return env;
}

QImage grabArea(const QRect& r) {
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
}

// Share of the pixels that differ between two pictures of one area.
double changed(const QImage& before, const QImage& after) {
    const QImage a = before.convertToFormat(QImage::Format_RGB32), b = after.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size() || a.isNull()) return 1.0;
    qint64 differ = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) differ += la[x] != lb[x];
    }
    return double(differ) / (qint64(a.width()) * a.height());
}

// Help > About by keyboard, as a user without a mouse opens it: Alt+H opens
// the menu on its first entry, Up wraps round to About, its last, and Return
// takes it. The About window is the main window's new dialog. Without a
// window manager an undrawn window shows what lay under it, so "drawn" means
// many colours AND a picture that differs from the one before it opened.
bool checkAbout(const QString& out) {
    XInput x;
    if (!x.connected()) return fail("cannot reach the X server");
    const std::vector<XInput::Window> before = x.mappedWindows();
    if (before.empty()) return fail("no window on the screen");
    const auto main = std::max_element(before.begin(), before.end(), [](const auto& a, const auto& b) {
        return a.geometry.width() * a.geometry.height() < b.geometry.width() * b.geometry.height();
    });
    const QImage under = grabScreen();
    x.focus(main->id);
    settle(300);
    for (const std::vector<std::uint32_t>& keys :
         {std::vector<std::uint32_t>{0xffe9 /* Alt_L */, 'h'}, {0xff52 /* Up */}, {0xff0d /* Return */}}) {
        if (!x.press(keys)) return fail("the X server takes no key presses (XTEST)");
        settle(300);
    }
    QRect about;
    int colours = 0;
    double change = 0;
    QElapsedTimer watchdog;
    watchdog.start();
    while (watchdog.elapsed() < 30000) {
        if (about.isNull())
            for (const XInput::Window& w : x.mappedWindows())
                if (w.transientFor == main->id) about = w.geometry;
        if (!about.isNull()) {
            const QImage area = grabArea(about);
            colours = distinctColours(area);
            change = changed(under.copy(about), area);
            if (colours >= 100 && change >= 0.5) break;
        }
        settle(100);
    }
    const QImage shot = grabScreen();
    if (about.isNull()) {
        shot.save(out + "/about-not-opened.png");
        return fail("Help > About opened no dialog of the main window");
    }
    std::cout << "about: " << colours << " colours, " << int(change * 100) << "% of its area drawn\n";
    if (colours < 100 || change < 0.5) {
        shot.save(out + "/about-blank.png");
        return fail("the About window stays blank");
    }
    return shot.save(out + "/about.png");
}

bool run(const QStringList& args) {
    const QString pack = args[1], program = args[2], product = args[3], out = args[4];
    QDir(out).removeRecursively();
    QDir().mkpath(out + "/runtime");
    QFile::setPermissions(out + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString app = out + "/app";
    if (QProcess::execute(pack, {"assemble", product, app}) != 0) return fail("assembling the sample product failed");
    if (!QFile::copy(program, app + "/examsim")) return fail("cannot copy the program");
    QFile::setPermissions(app + "/examsim", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess examsim;
    examsim.setProcessEnvironment(userEnvironment(out + "/runtime"));
    examsim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    examsim.start(app + "/examsim", {});
    if (!examsim.waitForStarted(10000)) return fail("the program did not start");

    bool splashSaved = false, mainSaved = false;
    QString pending;
    QElapsedTimer watchdog;
    watchdog.start();
    while (!mainSaved && watchdog.elapsed() < 90000 && examsim.state() == QProcess::Running) {
        examsim.waitForReadyRead(10);
        pending += QString::fromUtf8(examsim.readAllStandardOutput());
        // The movie's picture reaches the X server some time after it is drawn: watch the screen.
        if (!splashSaved && pending.contains("examsim: window splash") && splashOnScreen()) {
            const QImage shot = grabScreen();
            splashSaved = shot.save(out + "/splash.png");
            std::cout << "splash: " << distinctColours(shot) << " colours\n";
        }
        if (!splashSaved && pending.contains("examsim: window splash")) QThread::msleep(20);
        if (pending.contains("examsim: window main")) {
            if (!splashSaved) {
                grabScreen().save(out + "/splash-not-seen.png");
                return fail("the splash was not seen drawn before the main window came");
            }
            settle(800);
            const QImage shot = grabScreen();
            const int colours = distinctColours(shot);
            std::cout << "main window: " << colours << " colours\n";
            if (colours < 100) return fail("the main window looks blank");
            mainSaved = shot.save(out + "/main.png");
        }
    }
    const bool aboutDrawn = mainSaved && examsim.state() == QProcess::Running && checkAbout(out);
    examsim.kill();
    examsim.waitForFinished();
    if (!mainSaved) return fail("the main window did not appear");
    if (!aboutDrawn) return false;
    std::cout << "pictures in " << out.toStdString() << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5) {
        std::cerr << "usage: desktop_screenshot <examsim-pack> <examsim> <product folder> <output folder>\n";
        return 2;
    }
    return run(args) ? 0 : 1;
}
