#include "screens/live_update_screen.h"

#include "core/xml.h"
#include "screens/live_update_contract.h"
#include "support/context_fixture.h"
#include "support/data_files.h"
#include "support/fake_work.h"
#include "support/update_server.h"

#include <algorithm>
#include <thread>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace fs = std::filesystem;
namespace lu = live_update_contract;
using Strings = std::vector<std::string>;

// Its closing is logged with the movie's operations, in order.
struct FakeUpdateWindow : ScreenWindow {
    explicit FakeUpdateWindow(FakeMovie& m) : movie(m) {}
    // The window refuses to close while an update runs, so the screen is done first.
    void closeWindow() override { movie.log.push_back(busy && busy() ? "hide while busy" : "hide"); }
    FakeMovie& movie;
    std::function<bool()> busy;
};

class LiveUpdateScreen : public ContextFixture {
protected:
    void SetUp() override {
        ContextFixture::SetUp();
        ctx.catalogue["si9"] = "si9";
        ctx.catalogue["si10"] = "si10";
        ctx.catalogue["si12"] = "si12";
        ctx.windowTitle = "Network Essentials Exam Simulator";
        ASSERT_TRUE(parseXml(ctx.productDoc, "<product><sku>NE-101</sku><version_code>10</version_code>"
                                             "<live_update checkUpdate=\"False\">" + server.base() + "</live_update></product>"));
        screen.attachMovie(movie);
        screen.attachWindow(window);
        window.busy = [this] { return screen.busy(); };
        writeFile(t / "upgrade" / "updateINFO.txt", "11");
    }
    void serve(const std::string& name, const std::string& body) { writeFile(server.folder() / name, body); }
    void click(const std::string& button) { screen.FSCommand(lu::command::ButtonClick, button); }
    // The progress texts the movie was sent, in order.
    Strings percents() const {
        Strings p;
        for (const auto& [name, value] : movie.sets)
            if (name == lu::var::Percent) p.push_back(value);
        return p;
    }
    // Movie operations other than the progress, in order.
    Strings steps() const {
        Strings s;
        for (const std::string& op : movie.log)
            if (op != "SetVariable txtPercent" && op.rfind("TGotoFrame", 0) != 0) s.push_back(op);
        return s;
    }
    Strings boxes() const {
        Strings b;
        for (const ShownMessage& m : host.messages.shown) b.push_back(m.text + " | " + m.title);
        return b;
    }
    static void range(Strings& into, int from, int to) {
        for (int v = from; v <= to; ++v) into.push_back(std::to_string(v));
    }
    std::string folder() const { return ctx.paths.folder().string(); }

    TempFolder www;
    UpdateServer server{www / "www"};
    FakeWorkRunner work;
    FakeConnection connection;
    FakeHelper helper;
    FakeMovie movie;
    FakeUpdateWindow window{movie};
    UpdateLimits limits{{}, {2000, 20'000, 5, 3, 1024 * 1024}, 200};
    frmLiveUpdate screen{ctx, {&work, &connection, &helper}, limits};
};

TEST_F(LiveUpdateScreen, ASuccessfulUpdateRunsThroughEveryStepInOrder) {
    const std::string news = "PK news package", patch = std::string("PK\x03\x04", 4) + std::string(300000, 'p');
    serve("newsletter.zip", news);
    serve("patch.zip", patch);
    click(lu::button::CheckNow);

    Strings expected{"1"};
    range(expected, 1, 2);
    range(expected, 3, 5);
    range(expected, 50, 60);
    range(expected, 6, 10);
    expected.push_back("11%");
    range(expected, 21, 40);
    range(expected, 40, 60);
    range(expected, 61, 99);
    EXPECT_EQ(percents(), expected);
    // The bar shows every number the text shows.
    Strings bar;
    for (const std::string& op : movie.log)
        if (op.rfind("TGotoFrame progressBar ", 0) == 0) bar.push_back(op.substr(23));
    expected.erase(std::remove(expected.begin(), expected.end(), "11%"), expected.end());
    expected.erase(expected.begin());
    EXPECT_EQ(bar, expected);
    EXPECT_EQ(steps(), (Strings{"GotoFrame 2", "Rewind", "hide"}));
    EXPECT_EQ(boxes(), (Strings{"si9 | Network Essentials Exam Simulator"}));
    EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly | msg::Information);

    EXPECT_EQ(server.requests(), (Strings{"/getUpdate2.php?product=NE-101&versionType=full&newsletter=YES",
                                          "/getUpdate.php?version=10&product=NE-101&download=YES"}));
    EXPECT_EQ(readFile(t / "upgrade" / "wlbfile.zip"), news);
    EXPECT_EQ(readFile(t / "upgrade" / "patch.zip"), patch);
    EXPECT_FALSE(fs::exists(t / "upgrade" / "updateINFO.txt"));
    EXPECT_EQ(helper.started, (std::vector<Strings>{{"news", folder()}, {"install", folder()}}));
    EXPECT_GE(work.eventRuns, 100) << "the window's events run between the progress's steps";
    EXPECT_FALSE(screen.busy());
}

TEST_F(LiveUpdateScreen, NewsThatIsNotAPackageIsPassedOver) {
    serve("newsletter.zip", "no news today");
    serve("patch.zip", "PK");
    EXPECT_EQ(screen.downloadUpdate(), 1);
    EXPECT_FALSE(fs::exists(t / "upgrade" / "wlbfile.zip"));
    const Strings shown = percents();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "55"), 1) << "40 to 60 only";
    EXPECT_EQ(helper.started, (std::vector<Strings>{}));
    EXPECT_TRUE(boxes().empty());
}

// Each failure is told in words and leaves the update as it was.
TEST_F(LiveUpdateScreen, AFailedDownloadSaysWhyAndKeepsNothing) {
    const struct {
        const char* sidecar;
        const char* sidecarText;
        const char* body;
        std::string said;
        Strings steps;
    } cases[] = {
        {"patch.zip.status", "404", "PK", "si10 | Network Essentials Exam Simulator", {"GotoFrame 2", "hide", "Rewind"}},
        {"patch.zip.hang", "", "PK", "si10 | Network Essentials Exam Simulator", {"GotoFrame 2", "hide", "Rewind"}},
        {nullptr, "", "Your licence does not cover this update.", "Your licence does not cover this update. | Exam Simulator",
         {"GotoFrame 2", "Rewind", "hide", "Rewind"}},
        {nullptr, "", "", " | Exam Simulator", {"GotoFrame 2", "Rewind", "hide", "Rewind"}},
    };
    limits.package.totalTimeoutMs = 1500;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.said);
        fs::remove_all(server.folder());
        serve("patch.zip", c.body);
        if (c.sidecar) serve(c.sidecar, c.sidecarText);
        movie.log.clear();
        movie.sets.clear();
        host.messages.shown.clear();
        frmLiveUpdate quick{ctx, {&work, &connection, &helper}, limits};
        quick.attachMovie(movie);
        quick.attachWindow(window);
        quick.FSCommand(lu::command::ButtonClick, lu::button::CheckNow);
        EXPECT_EQ(boxes(), (Strings{c.said}));
        EXPECT_EQ(steps(), c.steps);
        EXPECT_EQ(percents().back(), "11%");
        EXPECT_FALSE(fs::exists(t / "upgrade" / "patch.zip"));
        EXPECT_TRUE(fs::exists(t / "upgrade" / "updateINFO.txt"));
        EXPECT_TRUE(helper.started.empty());
    }
}

TEST_F(LiveUpdateScreen, OffLineTheLearnerChoosesToGoOnOrStop) {
    connection.isOnline = false;
    host.messages.answers = {msg::Cancel};
    click(lu::button::CheckNow);
    EXPECT_EQ(boxes(), (Strings{"si12 |  Exam Simulator"}));
    EXPECT_EQ(host.messages.shown[0].style, BoxStyle(msg::OkCancel));
    EXPECT_EQ(steps(), (Strings{"GotoFrame 2", "GotoFrame 0"}));
    EXPECT_TRUE(server.requests().empty());
    EXPECT_FALSE(screen.busy());

    host.messages.shown.clear();
    host.messages.answers = {msg::Ok};
    serve("patch.zip", "PK");
    click(lu::button::CheckNow);
    EXPECT_EQ(boxes(), (Strings{"si12 |  Exam Simulator", "si9 | Network Essentials Exam Simulator"}));
    EXPECT_EQ(server.requests().size(), 2u);
}

// Cancel ends the transfer under way at once; the movie stays on the page it went to.
TEST_F(LiveUpdateScreen, CancelStopsTheDownloadAndKeepsNothing) {
    serve("patch.zip", "PK");
    serve("patch.zip.hang", "");
    // The hang outlasts the test unless the cancel stops it.
    limits.package.totalTimeoutMs = 600'000;
    limits.package.stallSeconds = 600;
    frmLiveUpdate slow{ctx, {&work, &connection, &helper}, limits};
    slow.attachMovie(movie);
    slow.attachWindow(window);
    const auto click = [&slow](const std::string& button) { slow.FSCommand(lu::command::ButtonClick, button); };
    work.onEvents = [&] {
        if (work.waits != 2) return;  // the update package's request, not the news
        for (int i = 0; i < 1000 && server.requests().size() < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        click(lu::button::CheckNow);  // ignored while busy
        click(lu::button::Close);     // ignored while busy
        slow.FSCommand(lu::command::CheckBox, "True");
        click(lu::button::CancelProgress);
    };
    click(lu::button::CheckNow);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(steps(), (Strings{"GotoFrame 2", "GotoFrame 1"}));
    EXPECT_EQ(server.requests().size(), 2u);
    EXPECT_FALSE(fs::exists(t / "upgrade" / "patch.zip"));
    EXPECT_TRUE(helper.started.empty());
    EXPECT_TRUE(slow.checkBoxState());
    EXPECT_FALSE(slow.busy());

    // The next check starts afresh.
    fs::remove(server.folder() / "patch.zip.hang");
    work.onEvents = {};
    click(lu::button::CheckNow);
    EXPECT_EQ(readFile(t / "upgrade" / "patch.zip"), "PK");
}

TEST_F(LiveUpdateScreen, AnInstallerThatCannotStartIsTold) {
    serve("patch.zip", "PK");
    helper.starts = false;
    EXPECT_EQ(screen.checkDownLoad(), frmLiveUpdate::kNotInstalled);
    EXPECT_EQ(host.messages.shown.size(), 1u);
    EXPECT_NE(host.messages.shown[0].text.find("installer could not be started"), std::string::npos);
}

TEST_F(LiveUpdateScreen, TheCheckBoxAndTheButtonsOutsideAnUpdate) {
    writeEnciphered(ctx, t / "liveupdate.wlb", "<html></html>");
    ctx.screen1024 = true;
    firstNamed(ctx.productDoc, "live_update").attribute("checkUpdate").set_value("True");
    screen.load();
    EXPECT_EQ(movie.sets, (std::vector<std::pair<std::string, std::string>>{{"txtResolution", "-1"}, {"checkBoxStatus", "True"}}));
    EXPECT_TRUE(screen.checkBoxState());

    const struct {
        const char* sent;
        bool state;
    } box[] = {{"False", false}, {"true", true}, {"0", false}, {"-1", true}, {"maybe", false}, {"True", true}};
    for (const auto& b : box) {
        screen.FSCommand(lu::command::CheckBox, b.sent);
        EXPECT_EQ(screen.checkBoxState(), b.state) << b.sent;
    }
    screen.FSCommand(lu::command::CheckBox, "False");
    movie.log.clear();
    click(lu::button::CancelProgress);
    click(lu::button::BackToStart);
    click(lu::button::Close);
    click(lu::button::Ok);
    EXPECT_EQ(steps(), (Strings{"GotoFrame 1", "GotoFrame 0", "hide", "SetVariable checkBoxStatus", "hide"}));
    EXPECT_EQ(movie.vars["checkBoxStatus"], "False");
    EXPECT_EQ(std::string(firstNamed(ctx.productDoc, "live_update").attribute("checkUpdate").value()), "False");

    // A product without the attribute gets it.
    ASSERT_TRUE(parseXml(ctx.productDoc, "<product><live_update>http://x/</live_update></product>"));
    screen.FSCommand(lu::command::CheckBox, "True");
    click(lu::button::Ok);
    EXPECT_EQ(std::string(firstNamed(ctx.productDoc, "live_update").attribute("checkUpdate").value()), "True");
    EXPECT_TRUE(server.requests().empty());
}

}  // namespace
