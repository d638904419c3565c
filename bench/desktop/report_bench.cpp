// The report screen drawn for an evaluated 350-question test against a bare
// page load, and the printable report of all 350 questions printed to PDF
// against the same page printed without its stylesheet, in one run.
#include "../generated_bank.h"
#include "bank/adaptive_tests.h"
#include "bank/answers.h"
#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/file_io.h"
#include "core/startup.h"
#include "core/xml.h"
#include "page_timing.h"
#include "desktop/app/application.h"
#include "desktop/app/desktop_host.h"
#include "desktop/app/startup_loaders.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/report_window.h"
#include "reports/evaluation.h"
#include "screens/printable_report.h"
#include "screens/show_report.h"
#include "testrun/saved_exam.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

using namespace examsim;

namespace {

struct FreeLock : InstanceLock {
    bool acquire() override { return true; }
};

double reportScreenMs(AppContext& ctx, ReportScreenWindow& report, const std::string& played) {
    QElapsedTimer t;
    t.start();
    if (!evaluateAndShowReport(ctx, played, report)) std::exit(1);
    MoviePlayer& player = report.player();
    spin([&] { return player.isDrawn() && player.FrameNum() == 1; });
    drawn(player.page());
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    report.hideReportScreen();
    return ms;
}

// Loads the document as a page of the application folder and prints it to PDF.
double pdfMs(WebEnvironment& web, const AppPaths& paths, const std::filesystem::path& document) {
    QWebEngineView view;
    view.setPage(new QWebEnginePage(web.profile(), &view));
    view.resize(1024, 700);
    view.show();
    bool loaded = false, printed = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&] { loaded = true; });
    QElapsedTimer t;
    t.start();
    view.setUrl(appUrl(paths, document));
    spin([&] { return loaded; });
    view.page()->printToPdf([&](const QByteArray&) { printed = true; });
    spin([&] { return printed; });
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}


void ratio(const char* what, double a, double b, double target) {
    std::printf("%s: %.2fx (target <= %.2fx) %s  (%.0f ms vs %.0f ms)\n", what, a / b, target, a / b <= target ? "met" : "NOT met",
                a, b);
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path work = assembledBenchFolder("report-bench", EXAMSIM_PACK, PRODUCT_DIR);
    if (work.empty()) return 1;
    prepareWebEngine();
    QApplication app(argc, argv);
    AppContext ctx;
    ctx.paths.setFolder(work / "app");
    QtMessageBoxes boxes;
    ctx.host.messages = &boxes;
    FreeLock lock;
    runStartup(ctx, lock, desktopStartupLoaders());
    SplashSteps steps;
    addSplashLoaders(ctx, steps);
    steps.loadReports();
    steps.loadQuestionBank();
    WebEnvironment web(ctx.paths);
    MainWindow main(ctx, web, ShellTargets{});
    auto* report = new ReportScreenWindow(ctx, web, main, {});
    main.resize(1280, 960);
    main.show();
    barePageMs(web);  // the engine is warm for every measure below

    // A 350-question test, every other question answered.
    parseXml(ctx.bankDoc, bench::generatedBank(1500));
    parseXml(ctx.answerDoc, bench::generatedAnswers(1500));
    indexAnswers(ctx);
    if (!buildRandomAdaptiveTest(ctx, 350, 21000)) return 1;
    std::string played;
    readWholeFile(currentTestFilePath(ctx), played);
    pugi::xml_document doc;
    parseXml(doc, played);
    int n = 0;
    for (pugi::xml_node item : doc.document_element().children("item"))
        if (n++ % 2 == 0) {
            pugi::xml_node r = item.append_child("user_attempt_report");
            r.append_child("user_attempts").append_child("attempt").text().set("A");
            r.append_child("marks_scored").text().set(n % 4 == 1 ? item.attribute("total_marks").value() : "0");
        }
    played = xmlText(doc.document_element());

    std::vector<double> bare, shown, styled, plain;
    for (int i = 0; i < 5; ++i) {
        bare.push_back(barePageMs(web));
        shown.push_back(reportScreenMs(ctx, *report, played));
    }
    // The printable report of every question, and the same without its stylesheet.
    const Evaluated evaluated = evaluateTest(ctx, played);
    if (!evaluated) return 1;
    std::string positions;
    for (int i = 1; i <= 350; ++i) positions += (i > 1 ? "," : "") + std::to_string(i);
    const auto printable = printReport(*evaluated, positions, std::string("Bench"));
    if (!printable) return 1;
    std::string bareReport = *printable;
    const auto pi = bareReport.find("<?xml-stylesheet");
    bareReport.erase(pi, bareReport.find("?>", pi) + 2 - pi);
    writeFileAtomically(ctx.paths.resolve("\\Database\\printed.xml"), *printable);
    writeFileAtomically(ctx.paths.resolve("\\Database\\unstyled.xml"), bareReport);
    for (int i = 0; i < 3; ++i) {
        styled.push_back(pdfMs(web, ctx.paths, ctx.paths.resolve("\\Database\\printed.xml")));
        plain.push_back(pdfMs(web, ctx.paths, ctx.paths.resolve("\\Database\\unstyled.xml")));
    }
    ratio("report screen of a 350-question test / bare page load", median(shown), median(bare), 2.0);
    ratio("printable report of 350 questions to PDF / the same page without its stylesheet", median(styled), median(plain), 3.0);
    fs::remove_all(work);
    return 0;
}
