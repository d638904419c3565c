#include "bank/test_document.h"
#include "core/encoding.h"
#include "desktop/movie/movie_player.h"
#include "engine_support.h"
#include "screens/movie_screen.h"

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

// True once an empty movie is drawn.
bool loadBlankMovie(Engine& e, MoviePlayer& player) {
    writeMovie(e.folder / "m.wlb", "<html><head></head><body></body></html>");
    player.show();
    loadScreenMovie(e.ctx, player, "\\m.wlb");
    return waitUntil([&] { return player.isDrawn(); });
}

}  // namespace

TEST(AppScheme, AMovieReadsEveryFileWithTheCharactersThatWereWritten) {
    Engine e;
    const std::string words = "caf\u00e9 \u20ac \u201cquoted\u201d \u2013 dash";
    std::string ansi;
    ASSERT_TRUE(utf8ToCp1252(words, ansi));
    // The current test file, as the host hands a test over.
    e.ctx.currentTestFileName = "simulator";
    pugi::xml_document doc;
    newTestDocument(doc, words, "60").append_child("question").text().set(words.c_str());
    handOverTest(e.ctx, doc.document_element());
    const std::vector<std::pair<std::string, std::string>> files{
        {"Database/plain", "<r>" + ansi + "</r>"},
        {"Database/declared", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r>" + ansi + "</r>"},
        {"Database/declared.xml", "<?xml version='1.0' encoding='windows-1252'?>\r\n<r>" + ansi + "</r>"},
        {"Database/utf8.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>" + words + "</r>"},
        {"Database/marked", "\xEF\xBB\xBF<r>" + words + "</r>"},
        {"Database/page.html", "<!DOCTYPE html><meta charset=\"utf-8\"><p>" + words + "</p>"},
        {"Database/style.css", "p::after { content: '" + words + "'; }"},
        {"Database/picture.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>" + words + "</text></svg>"},
    };
    for (const auto& [name, bytes] : files) writeFile(e.folder / name, bytes);

    MoviePlayer player(e.web, nullptr);
    ASSERT_TRUE(loadBlankMovie(e, player));
    const QString expected = QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
    std::vector<std::string> names{"Database/simulator"};
    for (const auto& file : files) names.push_back(file.first);
    for (const std::string& name : names) {
        const QString got = fetchFromMovie(player, QString::fromStdString(name));
        EXPECT_TRUE(got.startsWith("read:") && got.contains(expected)) << name << ": " << got.toStdString();
    }
}

TEST(AppScheme, AMovieReadsTheApplicationFolderAndNothingOutsideIt) {
    Engine e;
    writeFile(e.folder / "Database" / "simulator", "<Test name='Final'/>");
    writeFile(e.folder.path().parent_path() / "secret-outside.txt", "secret");
    std::filesystem::create_symlink(e.folder.path().parent_path() / "secret-outside.txt", e.folder / "link.txt");

    MoviePlayer player(e.web, nullptr);
    ASSERT_TRUE(loadBlankMovie(e, player));

    EXPECT_EQ(fetchFromMovie(player, "Database/simulator"), "read:<Test name='Final'/>");
    EXPECT_EQ(fetchFromMovie(player, "app://local/Database/simulator"), "read:<Test name='Final'/>");
    for (const char* outside : {"app://local/../secret-outside.txt", "app://local/..%2fsecret-outside.txt", "app://local/%2e%2e/secret-outside.txt",
                                "app://local/link.txt", "file:///etc/hostname", "app://other/Database/simulator", "app://local/Database/none"})
        EXPECT_EQ(fetchFromMovie(player, outside), "failed") << outside;
    std::filesystem::remove(e.folder.path().parent_path() / "secret-outside.txt");
}
