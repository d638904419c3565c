#include "page_timing.h"

#include "desktop/movie/app_scheme.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <cstdlib>
#include <unistd.h>

namespace examsim {

void spin(const std::function<bool()>& done) {
    while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void drawn(QWebEnginePage* page) {
    bool back = false;
    page->runJavaScript("new Promise(r => requestAnimationFrame(() => requestAnimationFrame(() => r(1))))",
                        [&](const QVariant&) { back = true; });
    spin([&] { return back; });
}

double barePageMs(WebEnvironment& web) {
    QWebEngineView view;
    view.setPage(new QWebEnginePage(web.profile(), &view));
    view.resize(1024, 700);
    view.show();
    bool loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&] { loaded = true; });
    QElapsedTimer t;
    t.start();
    view.setHtml("<!DOCTYPE html><html><body><p>page</p></body></html>");
    spin([&] { return loaded; });
    drawn(view.page());
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::filesystem::path assembledBenchFolder(const std::string& name, const char* pack, const char* product) {
    namespace fs = std::filesystem;
    const fs::path work = fs::temp_directory_path() / ("examsim-" + name + "-" + std::to_string(::getpid()));
    fs::create_directories(work / "runtime");
    fs::permissions(work / "runtime", fs::perms::owner_all);
    const std::string assemble = std::string(pack) + " assemble '" + product + "' '" + (work / "app").string() + "' > /dev/null";
    if (std::system(assemble.c_str()) != 0) return {};
    ::setenv("XDG_RUNTIME_DIR", (work / "runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox", 0);
    return work;
}

}  // namespace examsim
