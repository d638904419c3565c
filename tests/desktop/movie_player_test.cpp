#include "screens/movie_screen.h"
#include "desktop/movie/movie_player.h"
#include "engine_support.h"

#include <QDialog>
#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

const char* kProbe = R"(<!DOCTYPE html><html><head><meta charset="utf-8"><!-- movie-runtime --></head>
<body data-frames="6"><div data-clip="bar"><i data-frame="0-4"></i></div><p id="shown" data-var="txtTestName"></p>
<script>
  var seen = [];
  movie.onChange(function (v, n, origin) { if (origin === 'host') seen.push(n + '=' + v); });
  movie.onFrame(3, function () { seen.push('frame3'); });
  movie.clip('bar').onEnter(function (f) { seen.push('bar' + f); });
  movie.onChange('go', function () {
    movie.set('log', seen.join(';'));
    movie.set('answer', '42');
    fscommand('ButtonClick', 'btnReport');
  });
</script></body></html>)";

struct Probe : MovieScreen {
    explicit Probe(AppContext& ctx) : MovieScreen(ctx) {
        onButton("btnReport", [this] {
            answerInHandler = movie().GetVariable("answer");
            logInHandler = movie().GetVariable("log");
            ++reports;
        });
        onButton("btnModal", [this] {
            if (onModal) onModal();
            ++modals;
        });
    }
    std::string answerInHandler, logInHandler;
    int reports = 0;
    int modals = 0;
    std::function<void()> onModal;
};

class Player : public ::testing::Test {
protected:
    Engine e;
    MoviePlayer player{e.web, nullptr};
    Probe screen{e.ctx};

    void SetUp() override {
        writeMovie(e.folder / "probe.wlb", kProbe);
        screen.attachMovie(player);
        player.setCommandHandler([this](const std::string& c, const std::string& a) { screen.FSCommand(c, a); });
        player.resize(400, 300);
        player.show();  // a hidden page does not draw
    }
};

}  // namespace

TEST_F(Player, HostCallsMadeBeforeTheMovieIsReadyArriveInOrder) {
    loadScreenMovie(e.ctx, player, "\\probe.wlb");
    EXPECT_FALSE(std::filesystem::exists(e.folder / "tempSwf.swf"));
    EXPECT_FALSE(player.isReady());
    player.SetVariable("a", "1");
    player.SetVariable("txtTestName", "Caf\xC3\xA9 r\xC3\xA9seau");
    player.SetVariable("a", "2");
    player.GotoFrame(3);
    player.TGotoFrame("/bar", 2);
    EXPECT_EQ(player.FrameNum(), 3);
    EXPECT_EQ(player.GetVariable("a"), "2");
    player.SetVariable("go", "1");
    ASSERT_TRUE(waitUntil([&] { return screen.reports == 1; }));
    EXPECT_EQ(screen.logInHandler, "a=1;txtTestName=Caf\xC3\xA9 r\xC3\xA9seau;a=2;frame3;bar2");
    EXPECT_EQ(screen.answerInHandler, "42");
    EXPECT_EQ(evaluate(player.page(), "document.getElementById('shown').textContent").toString(),
              QString::fromUtf8("Caf\xC3\xA9 r\xC3\xA9seau"));
    EXPECT_EQ(player.FrameNum(), 3);
}

TEST_F(Player, AVariableSetRightBeforeACommandIsCurrentInItsHandler) {
    loadScreenMovie(e.ctx, player, "\\probe.wlb");
    ASSERT_TRUE(waitUntil([&] { return player.isDrawn(); }));
    for (int i = 0; i < 5; ++i) {
        evaluate(player.page(), QString("movie.set('answer', 'v%1'); fscommand('ButtonClick', 'btnReport');").arg(i));
        ASSERT_TRUE(waitUntil([&] { return screen.reports == i + 1; }));
        EXPECT_EQ(screen.answerInHandler, "v" + std::to_string(i));
    }
    // A frame the movie goes to itself is what FrameNum reports.
    evaluate(player.page(), "movie.gotoFrame(5)");
    EXPECT_TRUE(waitUntil([&] { return player.FrameNum() == 5; }));
}

TEST_F(Player, ANewMovieDropsTheOldOnesVariablesAndLateMessages) {
    loadScreenMovie(e.ctx, player, "\\probe.wlb");
    ASSERT_TRUE(waitUntil([&] { return player.isDrawn(); }));
    player.SetVariable("stale", "x");
    loadScreenMovie(e.ctx, player, "\\probe.wlb");
    EXPECT_EQ(player.GetVariable("stale"), "");
    ASSERT_TRUE(waitUntil([&] { return player.isDrawn(); }));
    EXPECT_EQ(evaluate(player.page(), "movie.get('stale')").toString(), "");
    EXPECT_EQ(screen.reports, 0);
    EXPECT_FALSE(std::filesystem::exists(e.folder / "tempSwf.swf"));
}

// A command's handler that waits in a modal window, as the question screen
// does for a drag-and-drop question, sees that window's own movie load.
TEST_F(Player, AModalWindowOpenedByACommandLoadsItsOwnMovie) {
    bool drawnInside = false;
    screen.onModal = [&] {
        QDialog dialog;
        MoviePlayer inner(e.web, nullptr, &dialog);
        inner.resize(300, 200);
        loadScreenMovie(e.ctx, inner, "\\probe.wlb");
        QMetaObject::invokeMethod(&dialog, [&] {
            drawnInside = waitUntil([&] { return inner.isDrawn(); }, 8000);
            dialog.accept();
        }, Qt::QueuedConnection);
        dialog.exec();
    };
    loadScreenMovie(e.ctx, player, "\\probe.wlb");
    ASSERT_TRUE(waitUntil([&] { return player.isDrawn(); }));
    evaluate(player.page(), "fscommand('ButtonClick', 'btnModal')");
    ASSERT_TRUE(waitUntil([&] { return screen.modals == 1; }));
    EXPECT_TRUE(drawnInside);
}
