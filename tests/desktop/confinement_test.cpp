// Movies are untrusted: they reach no web host, and open nothing outside the
// program without the user's click.
#include "desktop/app/desktop_host.h"
#include "desktop/movie/movie_player.h"
#include "engine_support.h"
#include "screens/movie_screen.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

TEST(MovieConfinement, AMovieLoadsItsOwnFilesButReachesNoWebHost) {
    Engine e;
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            ++connections;
            s->close();
        }
    });
    const std::string web = "http://127.0.0.1:" + std::to_string(server.serverPort()) + "/";
    writeFile(e.folder / "Database" / "note.txt", "own file");
    writeMovie(e.folder / "net.wlb", R"(<!DOCTYPE html><html><head><meta charset="utf-8"><!-- movie-runtime -->
<link rel="stylesheet" href=")" + web + R"(style.css"></head><body><img src=")" + web + R"(pic.png">
<script>
  fetch(')" + web + R"(leak?d=1', {mode: 'no-cors'}).catch(function () {});
  navigator.sendBeacon(')" + web + R"(beacon', 'x');
  var x = new XMLHttpRequest(); x.open('GET', ')" + web + R"(xhr'); x.send();
  movie.readText('/Database/note.txt').then(function (t) { movie.set('own', t); });
</script></body></html>)");
    MoviePlayer player(e.web, nullptr);
    player.resize(300, 200);
    player.show();
    ASSERT_TRUE(loadScreenMovie(e.ctx, player, "\\net.wlb"));
    ASSERT_TRUE(waitUntil([&] { return player.GetVariable("own") == "own file"; }));
    waitUntil([] { return false; }, 1500);  // time for any request to arrive
    EXPECT_EQ(connections, 0);
}

TEST(ExternalLinks, OpenOnlyAfterAUsersClickOncePerClickAndAtMostOneASecond) {
    std::int64_t now = 100000;
    std::vector<std::string> opened;
    DesktopLinks links([&] { return now; }, [&](const QUrl& url) {
        opened.push_back(url.toString().toStdString());
        return true;
    });
    QWidget w;
    const auto click = [&] {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &release);
    };
    const auto key = [&](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &press);
    };
    struct Step {
        std::function<void()> act;
        std::int64_t thenMs;
        const char* link;
    };
    const std::vector<Step> steps{
        {[] {}, 0, "https://example.org/no-click"},
        {click, 0, "https://example.org/1"},
        {[] {}, 0, "https://example.org/same-click"},
        {click, 200, "https://example.org/too-soon"},
        {[] {}, 900, "https://example.org/2"},  // the last click, once a second has passed
        {[&] { key(Qt::Key_Tab); }, 1000, "https://example.org/tab"},
        {[&] { key(Qt::Key_Return); }, 100, "mailto:someone@example.org"},
        {click, 4000, "https://example.org/stale-click"},
        {click, 1000, "javascript:alert(1)"},
    };
    for (const Step& s : steps) {
        s.act();
        now += s.thenMs;
        links.openLink(s.link);
    }
    // A page opening links in a loop after one click.
    click();
    now += 1000;
    for (int i = 0; i < 15; ++i) links.openLink("https://example.org/loop");
    EXPECT_EQ(opened, (std::vector<std::string>{"https://example.org/1", "https://example.org/2", "mailto:someone@example.org",
                                                "https://example.org/loop"}));
}
