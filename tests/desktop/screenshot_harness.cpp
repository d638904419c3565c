// Starts the real program on the assembled sample product under an X server,
// saves a picture of the splash screen and of the main window, and checks
// that neither is blank.
//   desktop_screenshot <examsim-pack> <examsim> <product folder> <output folder>
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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("EXAMSIM_WINDOW_LOG", "1");
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("XDG_RUNTIME_DIR", out + "/runtime");
    examsim.setProcessEnvironment(env);
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
                return fail("the main window came before the splash was seen");
            }
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 800) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            const QImage shot = grabScreen();
            const int colours = distinctColours(shot);
            std::cout << "main window: " << colours << " colours\n";
            if (colours < 100) return fail("the main window looks blank");
            mainSaved = shot.save(out + "/main.png");
        }
    }
    examsim.kill();
    examsim.waitForFinished();
    if (!mainSaved) return fail("the main window did not appear");
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
