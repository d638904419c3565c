// From the start command to the first question drawn, for Final (50
// questions) and a 350-question random adaptive test, against a bare page
// load in the same run; and the peak resident memory of the process tree
// during the 350-question test against a bare web view program.
#include "../generated_bank.h"
#include "process_memory.h"
#include "bank/adaptive_tests.h"
#include "bank/answers.h"
#include "bank/standard_tests.h"
#include "core/app_context.h"
#include "core/startup.h"
#include "core/xml.h"
#include "page_timing.h"
#include "desktop/app/application.h"
#include "desktop/app/desktop_host.h"
#include "desktop/app/startup_loaders.h"
#include "desktop/app/test_run.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/question_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace examsim;

namespace {

struct FreeLock : InstanceLock {
    bool acquire() override { return true; }
};

double questionScreenMs(DesktopTestRun& tests, const std::function<bool()>& build) {
    if (!build()) {
        std::fprintf(stderr, "the test could not be built\n");
        std::exit(1);
    }
    QElapsedTimer t;
    t.start();
    tests.openQuestionScreen("Certification");
    MoviePlayer& player = tests.questionScreen()->player();
    spin([&] { return player.FrameNum() == 1; });
    drawn(player.page());
    const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
    tests.questionScreen()->hideQuestionScreen();
    return ms;
}


// The bare web view program's tree at its loaded page.
double bareProgramPeakMiB(const char* program) {
    int out[2];
    if (::pipe(out) != 0) std::abort();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        ::dup2(out[1], STDOUT_FILENO);
        ::execl(program, program, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    std::string seen;
    char buf[256];
    while (seen.find("bare: loaded") == std::string::npos) {
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        seen.append(buf, static_cast<std::size_t>(n));
    }
    const double peak = treePeakMiB(child);
    ::kill(-child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(out[0]);
    return peak;
}


}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path work = assembledBenchFolder("question-bench", EXAMSIM_PACK, PRODUCT_DIR);
    if (work.empty()) return 1;
    const double barePeak = bareProgramPeakMiB(BARE_PROGRAM);
    prepareWebEngine();
    QApplication app(argc, argv);
    AppContext ctx;
    ctx.paths.setFolder(work / "app");
    QtMessageBoxes boxes;
    QtPictures pictures;
    ctx.host.messages = &boxes;
    ctx.host.pictures = &pictures;
    FreeLock lock;
    runStartup(ctx, lock, desktopStartupLoaders());
    SplashSteps steps;
    addSplashLoaders(ctx, steps);
    steps.loadReports();
    steps.loadQuestionBank();
    WebEnvironment web(ctx.paths);
    DesktopTestRun tests(ctx, web);
    MainWindow main(ctx, web, ShellTargets{.tests = &tests});
    tests.attach(main);
    main.resize(1280, 960);
    main.show();
    barePageMs(web);  // the engine is warm for every measure below

    std::vector<double> bare, final, adaptive;
    for (int i = 0; i < 5; ++i) {
        bare.push_back(barePageMs(web));
        final.push_back(questionScreenMs(tests, [&] { return startTest(ctx, "Final"); }));
    }
    parseXml(ctx.bankDoc, bench::generatedBank(1500));
    parseXml(ctx.answerDoc, bench::generatedAnswers(1500));
    indexAnswers(ctx);
    for (int i = 0; i < 5; ++i) {
        bare.push_back(barePageMs(web));
        adaptive.push_back(questionScreenMs(tests, [&] { return buildRandomAdaptiveTest(ctx, 350, 21000); }));
    }
    const double ownPeak = treePeakMiB(::getpid());
    const double b = median(bare), f = median(final), a = median(adaptive);
    std::printf("first question of Final / bare page load: %.2fx (target <= 2.00x) %s  (%.0f ms vs %.0f ms)\n", f / b,
                f / b <= 2.0 ? "met" : "NOT met", f, b);
    std::printf("first question of a 350-question adaptive test / bare page load: %.2fx (target <= 2.00x) %s  (%.0f ms vs %.0f ms)\n",
                a / b, a / b <= 2.0 ? "met" : "NOT met", a, b);
    std::printf("peak resident memory with the 350-question test / bare program: %.2fx (target <= 1.50x) %s  (%.0f MiB vs %.0f MiB)\n",
                ownPeak / barePeak, ownPeak / barePeak <= 1.5 ? "met" : "NOT met", ownPeak, barePeak);
    fs::remove_all(work);
    return 0;
}
