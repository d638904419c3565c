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
// colours, the screen's corner is still the bare root window.
bool looksLikeSplash(const QImage& shot) {
    const QRect middle(shot.width() / 2 - 300, shot.height() / 2 - 180, 600, 360);
    const QRgb root = shot.pixel(5, 5);
    return distinctColours(shot.copy(middle)) >= 200 && shot.pixel(shot.width() / 2, shot.height() / 2 - 250) == root;
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
        examsim.waitForReadyRead(100);
        pending += QString::fromUtf8(examsim.readAllStandardOutput());
        if (!splashSaved && pending.contains("examsim: window splash")) {
            // The movie has drawn; its picture reaches the X server a little later.
            QImage last;
            QElapsedTimer wait;
            wait.start();
            while (!splashSaved && wait.elapsed() < 3000) {
                last = grabScreen();
                if (looksLikeSplash(last)) {
                    splashSaved = last.save(out + "/splash.png");
                    std::cout << "splash: " << distinctColours(last) << " colours\n";
                }
                QThread::msleep(10);
            }
            if (!splashSaved) {
                last.save(out + "/splash-not-seen.png");
                return fail("the splash screen never showed its movie (last picture: splash-not-seen.png)");
            }
        }
        if (pending.contains("examsim: window main")) {
            if (!splashSaved) return fail("the main window came before the splash was seen");
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
