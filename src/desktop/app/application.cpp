#include "desktop/app/application.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/product_settings.h"
#include "desktop/screens/about_window.h"
#include "desktop/screens/exam_mode_window.h"
#include "desktop/screens/exhibit_window.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/movie/movie_player.h"
#include "desktop/app/desktop_host.h"
#include "desktop/app/desktop_live_update.h"
#include "desktop/app/renderer_choice.h"
#include "desktop/screens/help_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/mode_screen_link.h"
#include "desktop/screens/report_window.h"
#include "desktop/screens/show_image_window.h"
#include "desktop/app/single_instance.h"
#include "desktop/screens/splash_window.h"
#include "desktop/screens/startup_trace.h"
#include "desktop/app/startup_loaders.h"
#include "desktop/app/test_run.h"
#include "update/install_outcome.h"

#include <QApplication>
#include <memory>
#include <unistd.h>

namespace examsim {
namespace {

class DesktopAbout : public AboutScreen {
public:
    DesktopAbout(AppContext& ctx, WebEnvironment& web) : ctx_(ctx), web_(web) {}
    void showAbout() override {
        try {
            AboutWindow about(ctx_, web_, QApplication::activeWindow());
            about.exec();
        } catch (const CryptError& e) {
            if (ctx_.host.messages) ctx_.host.messages->show(e.description(), msg::OkOnly | msg::Critical, "");
        }
    }

private:
    AppContext& ctx_;
    WebEnvironment& web_;
};

// Where the splash movie is on its way to the screen.
void traceSplashMovie(MoviePlayer& player) {
    QObject::connect(&player, &QWebEngineView::loadFinished, [] { traceStartup("splash page loaded"); });
    QObject::connect(&player, &MoviePlayer::ready, [] { traceStartup("splash movie ready"); });
    QObject::connect(&player, &MoviePlayer::drawn, [] { traceStartup("splash drawn"); });
}

}  // namespace

void prepareWebEngine() {
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    registerUrlSchemes();
}

int runApplication(int argc, char** argv) {
    traceStartup("main");
    prepareWebEngine();
    QApplication app(argc, argv);
    traceStartup("QApplication");
    chooseWebRenderer();
    traceStartup("renderer chosen");
    QApplication::setApplicationName("examsim");
    QApplication::setApplicationDisplayName("Exam Simulator");

    AppContext& ctx = AppContext::instance();
    ctx.paths.setFolder(executableFolder());
    QtMessageBoxes boxes;
    DesktopLinks links;
    XdgMailer mail;
    QtProgramControl program;
    QtScreen screen;
    QtPictures pictures;
    ctx.host.pictures = &pictures;
    ctx.host.messages = &boxes;
    ctx.host.links = &links;
    ctx.host.mail = &mail;
    ctx.host.program = &program;
    ctx.host.screen = &screen;
    SingleInstance lock(ctx.paths.folder());
    program.beforeEnd = [&lock] { lock.release(); };

    try {
        runStartup(ctx, lock, desktopStartupLoaders());
        reportLastInstall(ctx);
        traceStartup("data documents loaded");

        WebEnvironment web(ctx.paths);
        traceStartup("web profile");
        HelpWindow help(ctx, web);
        DesktopAbout about(ctx, web);
        ctx.host.help = &help;
        ctx.host.about = &about;
        DesktopLiveUpdate update(ctx, web);
        traceStartup("help window");

        DesktopTestRun tests(ctx, web);
        std::unique_ptr<MainWindow> main;
        ExamModeWindow* mode = nullptr;  // owned by the main window's area
        std::unique_ptr<ModeScreenLink> modeLink;
        ShowImageScreens showImages(ctx, web);
        ReportScreenWindow* reportWindow = nullptr;
        SplashSteps steps;
        addSplashLoaders(ctx, steps);
        steps.loadReports = [load = steps.loadReports] {
            load();
            traceStartup("reports loaded");
        };
        steps.loadQuestionBank = [load = steps.loadQuestionBank] {
            load();
            traceStartup("question bank loaded");
        };
        steps.prepareScreens = [&] {
            mode = new ExamModeWindow(ctx, web);
            update.attachModeMovie(mode->player());
            mode->logic().targets().update = &update;
            // Its load sets the window-title text the main window shows.
            mode->logic().load();
            main = std::make_unique<MainWindow>(ctx, web, ShellTargets{&mode->logic(), &mode->logic(), mode, nullptr});
            mode->logic().targets().shell = main.get();
            mode->logic().targets().questions = &tests;
            tests.attach(*main);
            modeLink = std::make_unique<ModeScreenLink>(*mode, main.get());
            ReportPeers reportPeers;
            reportPeers.mode = modeLink.get();
            reportPeers.questions = &tests;
            reportPeers.exhibit = &tests.exhibits();
            reportPeers.update = mode->logic().targets().update;
            reportPeers.dragDrop = &showImages;
            showImages.peers = {nullptr, modeLink.get(), &tests, mode->logic().targets().viewers, reportPeers.update};
            showImages.hideReport = [&reportWindow] { if (reportWindow) reportWindow->hideReportScreen(); };
            auto* report = new ReportScreenWindow(ctx, web, *main, reportPeers);  // owned by the main window's area
            reportWindow = report;
            showImages.owner = report;
            tests.report = report;
            mode->logic().targets().reports = report;
            tests.hideMode = [&mode] { mode->hideModeScreen(); };
            tests.showMode = [&mode] { mode->showModeScreen(); };
            mode->placeIn(*main->area());
            traceStartup("main window made");
        };
        // Set by the mode movie's first "kill".
        steps.modeScreenReady = [&ctx] { return ctx.modeScreenReady; };
        steps.startModeScreen = [&mode] { mode->logic().showStartPage(); };
        steps.handOver = [&] {
            mode->showModeScreen();
            main->show();
            traceStartup("main window shown");
        };
        auto* splash = new SplashWindow(ctx, web, steps);
        traceStartup("splash window made");
        traceSplashMovie(splash->player());
        splash->start();
        traceStartup("splash movie loading");
        const int rc = QApplication::exec();
        program.endProgram(rc);
    } catch (const CryptError& e) {
        boxes.show(e.description(), msg::OkOnly | msg::Critical, "");
        program.endProgram(1);
    }
}

}  // namespace examsim
