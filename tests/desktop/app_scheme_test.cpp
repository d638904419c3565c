#include "desktop/movie/movie_player.h"
#include "engine_support.h"

#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

// Reads a URL from inside the movie and reports "read:text" or "failed".
QString fetchFromMovie(MoviePlayer& player, const QString& url) {
    evaluate(player.page(), "window.got = null; movie.readText('" + url +
                                "').then(function (t) { window.got = 'read:' + t; }, function () { window.got = 'failed'; }); 0");
    QString got;
    waitUntil([&] {
        got = evaluate(player.page(), "window.got").toString();
        return !got.isEmpty();
    });
    return got;
}

}  // namespace

TEST(AppScheme, AMovieReadsTheApplicationFolderAndNothingOutsideIt) {
    Engine e;
    writeFile(e.folder / "Database" / "simulator", "<Test name='Final'/>");
    writeFile(e.folder.path().parent_path() / "secret-outside.txt", "secret");
    std::filesystem::create_symlink(e.folder.path().parent_path() / "secret-outside.txt", e.folder / "link.txt");
    writeMovie(e.folder / "m.wlb", "<html><head></head><body></body></html>");

    MoviePlayer player(e.web, nullptr);
    player.show();
    e.ctx.movieCipher.DecryptFile2(e.folder / "m.wlb", e.folder / "tempSwf.swf", kPassPhrase);
    player.LoadMovie(0, e.folder / "tempSwf.swf");
    ASSERT_TRUE(waitUntil([&] { return player.isDrawn(); }));

    EXPECT_EQ(fetchFromMovie(player, "Database/simulator"), "read:<Test name='Final'/>");
    EXPECT_EQ(fetchFromMovie(player, "app://local/Database/simulator"), "read:<Test name='Final'/>");
    for (const char* outside : {"app://local/../secret-outside.txt", "app://local/..%2fsecret-outside.txt", "app://local/%2e%2e/secret-outside.txt",
                                "app://local/link.txt", "file:///etc/hostname", "app://other/Database/simulator", "app://local/Database/none"})
        EXPECT_EQ(fetchFromMovie(player, outside), "failed") << outside;
    std::filesystem::remove(e.folder.path().parent_path() / "secret-outside.txt");
}
