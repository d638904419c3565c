// The mode screen on the assembled sample product, in one process with a warm
// web engine: shown (load steps 1 to 7 and its first frame drawn) against a
// bare page load, and the switch to the certification page with 500 stored
// tests against the same switch with an empty history.
#include "bank/answers.h"
#include "bank/question_bank.h"
#include "core/app_context.h"
#include "core/messages.h"
#include "core/product_config.h"
#include "core/xml.h"
#include "desktop/app/application.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/exam_mode_window.h"
#include "reports/report_history.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace examsim;

namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Waits until the page has painted what it holds now: two animation frames.
void waitPainted(QWebEnginePage* page) {
    page->runJavaScript("window.benchPainted = false;"
                        "requestAnimationFrame(function () { requestAnimationFrame(function () { window.benchPainted = true; }); });");
    bool painted = false;
    while (!painted) {
        bool answered = false;
        page->runJavaScript("window.benchPainted === true", [&](const QVariant& v) {
            painted = v.toBool();
            answered = true;
        });
        waitUntil([&] { return answered; });
    }
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct App {
    AppContext ctx;
    std::unique_ptr<WebEnvironment> web;

    explicit App(const fs::path& folder) {
        ctx.paths.setFolder(folder);
        loadSystemDocument(ctx);
        loadMessageCatalogue(ctx);
        loadProductDocument(ctx);
        loadAnswerDocument(ctx);
        loadReportHistory(ctx);
        loadQuestionBankStep(ctx);
        web = std::make_unique<WebEnvironment>(ctx.paths);
    }
};

double bareLoad(WebEnvironment& web) {
    QWebEngineView view;
    view.setPage(new QWebEnginePage(web.profile(), &view));
    view.resize(1100, 780);
    view.show();
    bool loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool) { loaded = true; });
    QElapsedTimer t;
    t.start();
    view.setHtml("<!DOCTYPE html><html><body><p>page</p></body></html>");
    waitUntil([&] { return loaded; });
    waitPainted(view.page());
    return t.nsecsElapsed() / 1e9;
}

double modeShown(App& app) {
    app.ctx.modeScreenReady = false;
    QElapsedTimer t;
    t.start();
    ExamModeWindow w(app.ctx, *app.web);
    w.logic().load();
    w.resize(1100, 780);
    w.show();
    waitUntil([&] { return app.ctx.modeScreenReady; });
    w.logic().showStartPage();
    waitUntil([&] { return w.player().isDrawn(); });
    waitPainted(w.player().page());
    return t.nsecsElapsed() / 1e9;
}

// A history of `records` scored tests: copies of one Practice 2 record.
void history(App& app, int records) {
    pugi::xml_node h = app.ctx.reportDoc.child("QuestionBank").child("History");
    while (h.first_child()) h.remove_child(h.first_child());
    if (records == 0) return;
    const pugi::xml_node practice = findTest(app.ctx, "Practice 2");
    pugi::xml_node first = h.append_child("Test");
    first.append_attribute("name").set_value("Practice 2");
    first.append_attribute("marks").set_value("20");
    first.append_attribute("total_marks").set_value("30");
    first.append_attribute("remarks").set_value("Fail");
    first.append_copy(practice);
    for (int i = 1; i < records; ++i) h.append_copy(first);
}

double certificationSwitch(ExamModeWindow& w) {
    w.logic().FSCommand("ButtonClick", "btnBack");
    waitUntil([&] { return w.player().FrameNum() == 2; });
    waitPainted(w.player().page());
    QElapsedTimer t;
    t.start();
    w.logic().FSCommand("ButtonClick", "btnCert");
    waitPainted(w.player().page());
    return t.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    const fs::path work = fs::temp_directory_path() / ("examsim-mode-bench-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::create_directories(work / "runtime");
    fs::permissions(work / "runtime", fs::perms::owner_all);
    qputenv("XDG_RUNTIME_DIR", (work / "runtime").string().c_str());
    const std::string cmd = std::string(EXAMSIM_PACK) + " assemble '" + PRODUCT_DIR + "' '" + (work / "app").string() + "' > /dev/null";
    if (std::system(cmd.c_str()) != 0) return 1;
    prepareWebEngine();
    QApplication qapp(argc, argv);
    App app(work / "app");

    constexpr int kRuns = 7;
    bareLoad(*app.web);
    modeShown(app);  // warm-up of both
    std::vector<double> bare, mode;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(bareLoad(*app.web));
        mode.push_back(modeShown(app));
    }

    ExamModeWindow w(app.ctx, *app.web);
    w.logic().load();
    w.resize(1100, 780);
    w.show();
    waitUntil([&] { return w.player().isDrawn(); });
    std::vector<double> empty, full;
    for (int i = 0; i < kRuns; ++i) {
        history(app, 0);
        empty.push_back(certificationSwitch(w));
        history(app, 500);
        full.push_back(certificationSwitch(w));
    }

    const double shownRatio = median(mode) / median(bare);
    const double switchRatio = median(full) / median(empty);
    std::printf("mode screen shown (load and first frame) / bare page load: %.2fx (target <= 2.00x) %s\n", shownRatio,
                shownRatio <= 2.0 ? "met" : "NOT met");
    std::printf("  (medians: %.0f ms vs %.0f ms)\n", median(mode) * 1000, median(bare) * 1000);
    std::printf("switch to certification, 500 stored tests / empty history: %.2fx (target <= 2.00x) %s\n", switchRatio,
                switchRatio <= 2.0 ? "met" : "NOT met");
    std::printf("  (medians: %.1f ms vs %.1f ms)\n", median(full) * 1000, median(empty) * 1000);
    fs::remove_all(work);
    return 0;
}
