#include "core/xml.h"
#include "desktop/app/update_services.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/live_update_window.h"
#include "engine_support.h"
#include "screens/live_update_contract.h"
#include "support/fake_work.h"
#include "support/update_server.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWebEnginePage>
#include <algorithm>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace fs = std::filesystem;
namespace lu = live_update_contract;

QString js(QWebEnginePage* page, const QString& script) { return evaluate(page, script).toString(); }

void press(QWidget* view, Qt::Key key) {
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? " " : QString());
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? " " : QString());
    QCoreApplication::sendEvent(target, &down);
    QCoreApplication::sendEvent(target, &up);
}

// The update movie on the real engine, against the loopback server.
class LiveUpdateOnEngine : public ::testing::Test {
protected:
    void SetUp() override {
        parseXml(e.ctx.productDoc, "<product><sku>NE-101</sku><version_code>1.0</version_code>"
                                   "<live_update checkUpdate='True'>" + server.base() + "</live_update></product>");
        e.ctx.windowTitle = "Network Essentials Exam Simulator";
        e.ctx.catalogue["si9"] = "si9";
        writeMovie(e.folder / "liveupdate.wlb", sampleMovie("liveupdate"));
        writeFile(e.folder / "upgrade" / "updateINFO.txt", "2.0");
        w = std::make_unique<LiveUpdateWindow>(e.ctx, e.web, LiveUpdateHost{&work, nullptr, &helper});
        w->show();
        ASSERT_TRUE(waitUntil([&] { return w->player().isDrawn(); }));
        w->player().setFocus();
    }
    QWebEnginePage* page() { return w->player().page(); }
    // Tabs until the control has the focus.
    bool tabTo(const QString& id) {
        for (int i = 0; i < 12; ++i) {
            if (js(page(), "window.keyFrom = document.activeElement; document.activeElement.id") == id) return true;
            press(&w->player(), Qt::Key_Tab);
            waitUntil([&] { return evaluate(page(), "document.activeElement !== window.keyFrom").toBool(); }, 1500);
        }
        return false;
    }

    Engine e;
    TempFolder www;
    UpdateServer server{www / "www"};
    QtWorkRunner work;
    FakeHelper helper;
    std::unique_ptr<LiveUpdateWindow> w;
};

TEST_F(LiveUpdateOnEngine, TheKeyboardRunsAnUpdateToTheInstaller) {
    keepShot(w.get(), "live-update");
    const std::string patch = "PK\x03\x04" + std::string(2 * 1024 * 1024, 'u');
    writeFile(server.folder() / "patch.zip", patch);
    EXPECT_EQ(js(page(), "String(document.getElementById('chkUpdate').checked)"), "true") << "the product's choice";
    EXPECT_EQ(js(page(), "document.getElementById('cmdChkUpdates').getAttribute('aria-label') || "
                         "document.getElementById('cmdChkUpdates').textContent"), "Check for updates now");
    ASSERT_TRUE(tabTo("cmdChkUpdates"));
    press(&w->player(), Qt::Key_Space);
    ASSERT_TRUE(waitUntil([&] { return !helper.started.empty(); }, 30000));
    EXPECT_EQ(helper.started.back(), (std::vector<std::string>{"install", e.ctx.paths.folder().string()}));
    ASSERT_TRUE(waitUntil([&] { return !w->isVisible(); }));
    EXPECT_EQ(readFile(e.folder / "upgrade" / "patch.zip"), patch);
    EXPECT_FALSE(fs::exists(e.folder / "upgrade" / "updateINFO.txt"));
    ASSERT_EQ(e.host.messages.shown.size(), 1u);
    EXPECT_EQ(e.host.messages.shown[0].text, "si9");
    EXPECT_EQ(server.requests().size(), 2u);
}

// The window is as tall as its tallest page needs: each page shows whole (the
// movie clips what overflows) and none leaves an empty band under it.
TEST_F(LiveUpdateOnEngine, EachPageFitsTheWindowWithoutAnEmptyBand) {
    int tallest = 0;
    for (int frame : lu::kFrames) {
        w->player().GotoFrame(frame);
        int bottom = 0;
        ASSERT_TRUE(waitUntil([&] {
            bottom = js(page(), QString("var s = document.querySelector('section[data-frame=\"%1\"]');"
                                        "s && s.offsetParent ? String(Math.ceil(s.getBoundingClientRect().bottom)) : '0'")
                                    .arg(frame))
                         .toInt();
            return bottom > 0;
        }, 5000)) << frame;
        const int height = js(page(), "String(innerHeight)").toInt();
        EXPECT_LE(bottom, height) << "page " << frame << " is cut off";
        tallest = std::max(tallest, bottom);
    }
    const int height = js(page(), "String(innerHeight)").toInt();
    EXPECT_LE(height - tallest, 24) << height - tallest << " px empty under the tallest page";
}

// The page's Cancel stops the transfer under way; the window stays, on the
// page that says so. The update runs in the handler of the movie's command,
// so the test acts from a timer, as the learner's clicks arrive meanwhile.
TEST_F(LiveUpdateOnEngine, CancelOnThePageOrClosingTheWindowStopsTheDownload) {
    writeFile(server.folder() / "patch.zip", "PK");
    writeFile(server.folder() / "patch.zip.hang", "");
    std::function<void()> whileHanging;
    std::size_t requestsBefore = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (whileHanging && w->logic().busy() && server.requests().size() == requestsBefore + 2) {
            auto act = std::move(whileHanging);
            whileHanging = nullptr;
            act();
        }
    });
    poll.start(50);

    int frameWhileHanging = -1;
    QString focusWhileHanging;
    whileHanging = [&] {
        frameWhileHanging = w->player().FrameNum();
        focusWhileHanging = "progressCancel";
        press(&w->player(), Qt::Key_Space);  // the progress page's Cancel has the focus
    };
    page()->runJavaScript("document.getElementById('cmdChkUpdates').click()");
    ASSERT_TRUE(waitUntil([&] { return !whileHanging && !w->logic().busy(); }, 20000));
    EXPECT_EQ(frameWhileHanging, lu::frame::Progress);
    EXPECT_EQ(focusWhileHanging, "progressCancel") << "the progress page takes the keyboard on its Cancel";
    EXPECT_EQ(w->player().FrameNum(), lu::frame::Cancelled);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(fs::exists(e.folder / "upgrade" / "patch.zip"));
    EXPECT_TRUE(e.host.messages.shown.empty());
    EXPECT_TRUE(helper.started.empty());
    EXPECT_TRUE(waitUntil([&] { return js(page(), "document.activeElement.id") == "btnCancelProgress"; }, 5000));

    // Closing the window during an update stops it the same way; the window stays.
    js(page(), "document.getElementById('btnCancelProgress').click()");
    ASSERT_TRUE(waitUntil([&] { return w->player().FrameNum() == lu::frame::Start; }));
    requestsBefore = server.requests().size();
    whileHanging = [&] { w->close(); };
    page()->runJavaScript("document.getElementById('cmdChkUpdates').click()");
    ASSERT_TRUE(waitUntil([&] { return !whileHanging && !w->logic().busy(); }, 20000));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->player().FrameNum(), lu::frame::Cancelled);
    EXPECT_TRUE(e.host.messages.shown.empty());
    w->close();
    EXPECT_TRUE(waitUntil([&] { return !w->isVisible(); }));
}

}  // namespace
