// The baseline of the start-up benchmark: a bare web view showing an empty
// page, started the way the program starts its engine.
#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    QObject::connect(&view, &QWebEngineView::loadFinished, [] {
        QTimer::singleShot(0, [] {
            std::printf("bare: loaded\n");
            std::fflush(stdout);
        });
    });
    view.resize(800, 600);
    view.setHtml("<!DOCTYPE html><html><body></body></html>");
    view.show();
    return QApplication::exec();
}
