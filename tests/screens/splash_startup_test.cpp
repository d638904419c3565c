#include "screens/splash_contract.h"
#include "screens/splash_screen.h"
#include "core/startup.h"
#include "core/xml.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

namespace {

namespace var = splash_contract::var;

struct FakeSplashHost : SplashHost {
    void setCaption(const std::string& t) override { log.push_back("caption " + t); }
    void setStatusLabel(const std::string& t) override { log.push_back("label " + t); }
    void loadReports() override { log.push_back("reports"); }
    void loadQuestionBank() override {
        log.push_back("bank");
        ctx->loadTrace += "lqb_s";
        if (bankFails) throw std::runtime_error("bank broken");
        ++ctx->practiceCount;  // counting again would show here
    }
    void prepareScreens() override { log.push_back("prepare"); }
    bool readyForHandOver() override { return ready; }
    void stopTimer() override { log.push_back("stop"); }
    void startModeScreen() override { log.push_back("mode frame 3"); }
    void handOver() override { log.push_back("handOver"); }
    std::vector<std::string> log;
    AppContext* ctx = nullptr;
    bool ready = false;
    bool bankFails = false;
};

struct FakeLock : InstanceLock {
    bool acquire() override { return free; }
    bool free = true;
};

class Splash : public ContextFixture {
protected:
    void SetUp() override {
        ContextFixture::SetUp();
        splashHost.ctx = &ctx;
        splash.attachMovie(movie);
    }
    FakeSplashHost splashHost;
    FakeMovie movie;
    frmSplash splash{ctx, splashHost};
};

}  // namespace

TEST_F(Splash, ASplashMovieThatCannotBeWrittenEndsStartUpThroughTheFatalPath) {
    writeEnciphered(ctx, t / "Splash.wlb", "<html><head></head></html>");
    std::filesystem::create_directory(t / "tempSwf.swf");
    EXPECT_THROW(splash.load(), ProgramEnded);
    EXPECT_EQ(host.program.endCount, 1);
    EXPECT_TRUE(movie.log.empty());
    ASSERT_FALSE(host.messages.shown.empty());
    EXPECT_EQ(host.messages.shown[0].text.rfind(kMovieNotWritten, 0), 0u);
    EXPECT_NE(readFile(t / "errorLog.txt").find("splash movie not written"), std::string::npos);
}

TEST_F(Splash, LoadSendsTheProductTextsInOrder) {
    writeEnciphered(ctx, t / "Splash.wlb", "<html><head></head></html>");
    parseXml(ctx.productDoc, "<product><product-name></product-name><version_code>2.1</version_code>"
                             "<version_type>Full Version</version_type></product>");
    host.screen.size = {1280, 1024};
    splash.load();
    const std::vector<std::pair<std::string, std::string>> expected{
        {var::VersionName, "Full Version"}, {var::CopyRight, kCopyrightLine},
        {var::TestName, " "},               {var::NoTestimonial, ""},
        {var::VersionCode, "Version: 2.1 (Full)"}, {var::Resolution, "0"}};
    EXPECT_EQ(movie.sets, expected);
    EXPECT_EQ(movie.log.back(), "GotoFrame " + std::to_string(splash_contract::frame::Title));
    EXPECT_EQ(splashHost.log, (std::vector<std::string>{"caption  Exam Simulator"}));
    EXPECT_EQ(ctx.versionCode, "2.1");

    host.screen.size = {1024, 768};
    parseXml(ctx.productDoc, "<product><testmonials>Great</testmonials></product>");
    movie.sets.clear();
    splash.load();
    EXPECT_EQ(movie.sets[3], (std::pair<std::string, std::string>{var::Testimonial, "Great"}));
    EXPECT_EQ(movie.sets[5], (std::pair<std::string, std::string>{var::Resolution, "-1"}));
}

TEST_F(Splash, LoaderLoadsOnceAfterThreeTicksAndHandsOverWhenReady) {
    for (int i = 0; i < 3; ++i) splash.runSplashLoader();
    EXPECT_TRUE(splashHost.log.empty());
    splash.runSplashLoader();
    EXPECT_EQ(splashHost.log,
              (std::vector<std::string>{"caption Loading Reports...", "label Loading Reports...", "reports",
                                        "caption Loading User Settings...", "label Loading User Settings...",
                                        "label Loading QuestionBank...", "bank", "caption Loading User settings...",
                                        "label Loading User settings...", "prepare"}));
    EXPECT_EQ(host.screen.pointerResets, 1);
    EXPECT_EQ(ctx.practiceCount, 1);

    splashHost.log.clear();
    splash.runSplashLoader();  // not ready yet: nothing is loaded or counted again
    splash.runSplashLoader();
    EXPECT_TRUE(splashHost.log.empty());
    EXPECT_EQ(ctx.practiceCount, 1);

    splashHost.ready = true;
    splash.runSplashLoader();
    EXPECT_EQ(splashHost.log, (std::vector<std::string>{"stop", "mode frame 3", "caption Complete...", "handOver"}));
    EXPECT_EQ(movie.vars[var::Status], "Complete...");
    splash.runSplashLoader();  // a late tick does nothing
    EXPECT_EQ(splashHost.log.size(), 4u);
}

TEST_F(Splash, AFailingLoadEndsInTheFatalErrorPathWithTheTrace) {
    splashHost.bankFails = true;
    for (int i = 0; i < 3; ++i) splash.runSplashLoader();
    EXPECT_THROW(splash.runSplashLoader(), ProgramEnded);
    EXPECT_EQ(readFile(t / "errorLog.txt"), "lqb_s:bank broken");
}

TEST_F(Splash, StartupRefusesASecondInstanceAndRunsTheLoadersInOrder) {
    FakeLock lock;
    lock.free = false;
    std::vector<std::string> order;
    StartupLoaders loaders{[&](AppContext&) { order.push_back("system"); },
                           [&](AppContext&) { order.push_back("catalogue"); },
                           [&](AppContext&) { order.push_back("product"); },
                           [&](AppContext&) -> std::optional<std::string> {
                               order.push_back("answers");
                               if (std::filesystem::exists(t / "Database" / "Answers.wlb")) return std::nullopt;
                               return "The answer file is missing.";
                           }};
    EXPECT_THROW(runStartup(ctx, lock, loaders), ProgramEnded);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "The Simulator is already running");
    EXPECT_EQ(host.messages.shown[0].style, msg::Exclamation);
    EXPECT_TRUE(order.empty());

    lock.free = true;
    std::filesystem::create_directories(t / "upgrade" / "patch" / "x");
    EXPECT_THROW(runStartup(ctx, lock, loaders), ProgramEnded);  // no answer file
    EXPECT_EQ(host.messages.shown.back().text, "The answer file is missing.");
    EXPECT_EQ(host.messages.shown.back().style, msg::Critical);
    EXPECT_EQ(host.messages.shown.back().title, " Exam Simulator");
    EXPECT_FALSE(std::filesystem::exists(t / "upgrade" / "patch"));

    writeFile(t / "Database" / "Answers.wlb", "x");
    order.clear();
    runStartup(ctx, lock, loaders);
    EXPECT_EQ(order, (std::vector<std::string>{"system", "catalogue", "product", "answers"}));
}
