#include "desktop/app/application.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/product_settings.h"
#include "desktop/screens/about_window.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/app/desktop_host.h"
#include "desktop/app/renderer_choice.h"
#include "desktop/screens/help_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/app/single_instance.h"
#include "desktop/screens/splash_window.h"
#include "desktop/app/startup_loaders.h"
#include "desktop/app/test_run.h"

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

}  // namespace

void prepareWebEngine() {
    if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    registerUrlSchemes();
}

int runApplication(int argc, char** argv) {
    prepareWebEngine();
    QApplication app(argc, argv);
    chooseWebRenderer();
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

        WebEnvironment web(ctx.paths);
        HelpWindow help(ctx, web);
        DesktopAbout about(ctx, web);
        ctx.host.help = &help;
        ctx.host.about = &about;

        DesktopTestRun tests(ctx, web);
        std::unique_ptr<MainWindow> main;
        SplashSteps steps;
        addSplashLoaders(ctx, steps);
        steps.prepareScreens = [&] {
            // The mode screen's load sets the title once it exists.
            ctx.windowTitle = ProductSettings(ctx).productName() + " Exam Simulator";
            main = std::make_unique<MainWindow>(ctx, web, ShellTargets{.tests = &tests});
            tests.attach(*main);
            // Stands in for the mode screen's first "kill" until that screen exists.
            ctx.modeScreenReady = true;
        };
        steps.modeScreenReady = [&ctx] { return ctx.modeScreenReady; };
        steps.handOver = [&main] { main->show(); };
        auto* splash = new SplashWindow(ctx, web, steps);
        splash->start();
        const int rc = QApplication::exec();
        program.endProgram(rc);
    } catch (const CryptError& e) {
        boxes.show(e.description(), msg::OkOnly | msg::Critical, "");
        program.endProgram(1);
    }
}

}  // namespace examsim
