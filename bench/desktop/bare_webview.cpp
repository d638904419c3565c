// The baseline of the start-up benchmark: a bare web view showing an empty
// page, started the way the program starts its engine (same renderer choice).
// Prints "bare: <step>" lines as it goes, "bare: loaded" last.
#include "desktop/app/renderer_choice.h"

#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

namespace {

void step(const char* name) {
    std::printf("bare: %s\n", name);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    step("main");
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    step("QApplication");
    examsim::chooseWebRenderer();
    QWebEngineView view;
    QObject::connect(&view, &QWebEngineView::loadFinished, [] { QTimer::singleShot(0, [] { step("loaded"); }); });
    view.resize(800, 600);
    view.setHtml("<!DOCTYPE html><html><body></body></html>");
    view.show();
    step("view shown");
    return QApplication::exec();
}
