#include "core/xml.h"
#include "desktop/screens/about_window.h"
#include "desktop/screens/exit_dialog.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/splash_window.h"
#include "engine_support.h"
#include "screens/about_contract.h"
#include "screens/main_window_contract.h"
#include "screens/splash_contract.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace menu = main_window_contract::menu;

const char* kProduct =
    "<product><product-name>Network Essentials</product-name><full_version_name>Network Essentials 2026</full_version_name>"
    "<version_code>1.0.0</version_code><version_type>Full Version</version_type>"
    "<testmonials>It made the binary click.</testmonials><utp uri='https://example.org/utp'/>"
    "<help uri='Help'/><examinstruction show='true'/>"
    "<screen name='about'><company_link uri='https://example.org/'/><email_text uri='support@example.org'/></screen></product>";

QString text(QWebEnginePage* page, const char* selector) {
    return evaluate(page, QString("document.querySelector('%1').textContent").arg(selector)).toString();
}

}  // namespace

TEST(Screens, SplashShowsTheProductAndHandsOverOnceLoadingIsDone) {
    Engine e;
    parseXml(e.ctx.productDoc, kProduct);
    writeMovie(e.folder / "Splash.wlb", sampleMovie("Splash"));
    std::vector<std::string> steps;
    bool handedOver = false;
    QString titleAtHandOver, statusAtHandOver;
    QPointer<SplashWindow> splash;
    SplashSteps s;
    s.loadReports = [&] { steps.push_back("reports"); };
    s.loadQuestionBank = [&] { steps.push_back("bank"); };
    s.prepareScreens = [&] { steps.push_back("prepare"); };
    bool modeReady = false;
    s.modeScreenReady = [&] { return modeReady; };
    s.handOver = [&] {
        handedOver = true;
        titleAtHandOver = splash->windowTitle();
        statusAtHandOver = splash->lblStatus()->text();
    };
    splash = new SplashWindow(e.ctx, e.web, s);
    splash->start();
    EXPECT_FALSE(std::filesystem::exists(e.folder / "tempSwf.swf"));
    ASSERT_TRUE(waitUntil([&] { return splash->player().isDrawn(); }));
    QWebEnginePage* page = splash->player().page();
    EXPECT_EQ(text(page, "h1"), "Network Essentials");
    EXPECT_EQ(text(page, ".edition"), "Full Version");
    EXPECT_EQ(text(page, "#quote"), "It made the binary click.");
    EXPECT_EQ(text(page, ".version"), "Version: 1.0.0 (Full)");
    EXPECT_EQ(splash->player().FrameNum(), splash_contract::frame::Loading);

    ASSERT_TRUE(waitUntil([&] { return steps.size() == 3; }));
    EXPECT_EQ(steps, (std::vector<std::string>{"reports", "bank", "prepare"}));
    EXPECT_FALSE(waitUntil([&] { return handedOver; }, 500)) << "the splash waits for the mode screen";
    modeReady = true;
    ASSERT_TRUE(waitUntil([&] { return handedOver; }));
    EXPECT_EQ(titleAtHandOver, "Complete...");
    EXPECT_EQ(statusAtHandOver, "Loading User settings...");
    EXPECT_TRUE(waitUntil([&] { return splash.isNull(); })) << "the splash is unloaded after the hand-over";
}

TEST(Screens, AboutMovieShowsItsTextsAndItsButtonsReachTheHost) {
    Engine e;
    parseXml(e.ctx.productDoc, kProduct);
    e.ctx.versionCode = "1.0.0";
    writeMovie(e.folder / "about.wlb", sampleMovie("about"));
    AboutWindow about(e.ctx, e.web);
    EXPECT_EQ(about.windowTitle(), "Network Essentials Exam Simulator");
    EXPECT_FALSE(std::filesystem::exists(e.folder / "tempSwf.swf"));
    about.show();
    ASSERT_TRUE(waitUntil([&] { return about.player().isDrawn(); }));
    QWebEnginePage* page = about.player().page();
    EXPECT_EQ(text(page, "h1"), "Network Essentials 2026");
    EXPECT_EQ(text(page, ".version"), "Version: 1.0.0 (Full)");
    evaluate(page, QString("document.querySelector('[data-button=%1]').click()").arg(about_contract::button::Utp));
    evaluate(page, QString("document.querySelector('[data-button=%1]').click()").arg(about_contract::button::EmailSupport));
    evaluate(page, "document.getElementById('company').click()");
    ASSERT_TRUE(waitUntil([&] { return e.host.links.opened.size() == 3; }));
    EXPECT_EQ(e.host.links.opened[0], "https://example.org/utp");
    EXPECT_EQ(e.host.links.opened[1], "mailto:support@example.org");
    EXPECT_EQ(e.host.links.opened[2], "https://example.org/");
}

TEST(Screens, MainWindowMenusFollowTheLogic) {
    Engine e;
    parseXml(e.ctx.productDoc, kProduct);
    e.ctx.practiceCount = 3;
    e.ctx.windowTitle = "Network Essentials Exam Simulator";
    writeFile(e.folder / "Database" / "MainReport.wlb", "r");
    MainWindow main(e.ctx, e.web, {});
    main.show();
    EXPECT_EQ(main.windowTitle(), "Network Essentials Exam Simulator");
    ASSERT_NE(main.action(QString::fromStdString(menu::practice(3))), nullptr);
    EXPECT_EQ(main.action(QString::fromStdString(menu::practice(3)))->text(), "Practice Exam3");
    EXPECT_EQ(main.action(menu::AboutVostraneExam)->text(), "About Vostrane Exam Simulator");
    EXPECT_FALSE(main.action(menu::Diagnostic)->isEnabled());
    EXPECT_FALSE(main.action(menu::PerHistory)->isEnabled()) << "no history screen yet";
    EXPECT_TRUE(main.action(menu::ResetAll)->isEnabled());

    e.host.messages.answers = {msg::Yes};
    main.action(menu::ResetAll)->trigger();
    EXPECT_FALSE(std::filesystem::exists(e.folder / "Database" / "MainReport.wlb"));
    EXPECT_FALSE(main.action(menu::ResetAll)->isEnabled());

    main.action(menu::Content)->trigger();
    ASSERT_EQ(e.host.help.shown.size(), 1u);
    EXPECT_EQ(e.host.help.shown[0].first, e.folder / "Help" / "Help.chm");

    // The close box asks; "No" keeps the window.
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<ExitDialog*>(w)) d->cmdNo()->click();
    });
    main.close();
    EXPECT_TRUE(main.isVisible());
}

TEST(Screens, FinishDialogWindowAnswersThroughItsControls) {
    ReplyTarget parent{"before"};
    {
        FinishDialogWindow d(parent, {.recordableResult = true, .quizKind = false, .timeOver = true});
        EXPECT_EQ(d.windowTitle(), "Do you want to Close your Exam?");
        EXPECT_FALSE(d.option(2)->isEnabled());
        EXPECT_FALSE(d.cmdNo()->isEnabled());
        d.option(1)->setChecked(true);
        d.cmdYes()->click();
        EXPECT_EQ(parent.iReply, "show");
    }
    FinishDialogWindow d(parent, {});
    d.show();
    d.option(0)->setChecked(true);
    d.close();
    EXPECT_EQ(parent.iReply, "close") << "the close box answers close whatever was selected";
}
