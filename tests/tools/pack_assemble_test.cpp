// examsim-pack: enciphering, and assembling a product into the stored form the
// program reads, refusing a bad source before anything is written.
#include "product_check_support.h"

#include "core/crypt_api.h"
#include "core/movie_runtime.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

std::string deciphered(const fs::path& container) { return clsCryptAPI().DecryptFile(container, {}, kPassPhrase); }

}  // namespace

TEST(PackTool, EncipherAndDecipherAreInverseAndMatchTheCipher) {
    TempFolder t;
    writeFile(t / "plain.xml", "<a>caf\xE9</a>");
    ASSERT_EQ(runPack("encipher", {t / "plain.xml", t / "a.wlb"}).status, 0);
    EXPECT_EQ(deciphered(t / "a.wlb"), "<a>caf\xC3\xA9</a>");
    ASSERT_EQ(runPack("decipher", {t / "a.wlb", t / "back.xml"}).status, 0);
    EXPECT_EQ(readFile(t / "back.xml"), "<a>caf\xE9</a>");
}

TEST(PackTool, RefusesAMissingSourceWithAClearMessage) {
    TempFolder t;
    const auto r = runPack("encipher", {t / "missing.xml", t / "out.wlb"});
    EXPECT_NE(r.status, 0);
    EXPECT_THAT(r.output, HasSubstr("missing.xml"));
    EXPECT_FALSE(fs::exists(t / "out.wlb"));
    EXPECT_EQ(runPack("frobnicate", {"a", "b"}).status, 2);
}

TEST(PackTool, AssembleRefusesABadSourceNamingItAndWritesNothing) {
    struct Case {
        const char* file;
        const char* text;
        const char* named;
        const char* shared = nullptr;  // a shared style or script the source asks for
        const char* sharedText = "";
    };
    // Good.xml sorts before the bad data file; movies are read after all data.
    for (const Case& c : {Case{"data/Broken.xml", "<a>\n  <b>\n</a>\n", "Broken.xml:3:"},
                          Case{"data/Tick.xml", "<a>\xE2\x9C\x93</a>", "Tick.xml"},  // no Windows-1252 form
                          Case{"movies/Tick.html", "<p>\xE2\x9C\x93</p>", "Tick.html"},
                          // Stored under the data file's name, whatever the case.
                          Case{"pages/good.html", "<p>page</p>", "like"},
                          Case{"files/Database/GOOD.wlb", "x", "like"},
                          Case{"files/a.html", "<head><!-- style none --></head>", "style/none.css"},
                          Case{"help/a.htm", "<head><!-- style --></head>", "needs a name"},
                          Case{"movies/a.html", "<head><!-- script none --></head>", "scripts/none.js"},
                          Case{"movies/b.html", "<head><!-- script ../x --></head>", "needs a name"},
                          // A shared text that would close its element early.
                          Case{"movies/c.html", "<head><!-- script x --></head>", "</script", "scripts/x.js",
                               "var s = '</script>';"},
                          Case{"pages/c.html", "<head><!-- style x --></head>", "</style", "style/x.css",
                               "a { } </style><script>alert(1)</script>"}}) {
        SCOPED_TRACE(c.file);
        TempFolder t;
        writeFile(t / "product/data/Good.xml", "<ok/>");
        writeFile(t / "product" / c.file, c.text);
        if (c.shared) writeFile(t / "product" / c.shared, c.sharedText);
        const auto r = runPack("assemble", {t / "product", t / "app"});
        EXPECT_EQ(r.status, 1);
        EXPECT_THAT(r.output, HasSubstr(c.named));
        EXPECT_FALSE(fs::exists(t / "app/Database/Good.wlb"));
    }
}

TEST(PackTool, AssembledSourcesDecipherToTheStoredFormAndMoviesCarryTheRuntime) {
    TempFolder t;
    writeFile(t / "product/data/Product.xml", "<product>\n  <sku>\xE2\x82\xAC-1</sku>\n</product>\n");
    writeFile(t / "product/movies/about.html", "<html><head><!-- movie-runtime --></head><body><!-- script judge --></body></html>");
    writeFile(t / "product/scripts/judge.js", "var judge = 1;");
    writeFile(t / "product/movies/plain.html", "<html>\n</html>\n");
    writeFile(t / "product/pages/tips.html", "<head><!-- style page --></head><p>tip</p>\n");
    writeFile(t / "product/files/Database/page.html", "<head><!-- style page --><!-- style page --></head>");
    writeFile(t / "product/style/page.css", "p { margin: 0; }");
    const auto r = runPack("assemble", {t / "product", t / "app"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(deciphered(t / "app/Database/Product.wlb"), "<product>\r\n  <sku>\xE2\x82\xAC-1</sku>\r\n</product>\r\n");
    // Shared styles are written into every page that asks for them.
    EXPECT_EQ(deciphered(t / "app/Database/tips.wlb"), "<head><style>\r\np { margin: 0; }\r\n</style></head><p>tip</p>\r\n");
    EXPECT_EQ(readFile(t / "app/Database/page.html"),
              "<head><style>\np { margin: 0; }\n</style><style>\np { margin: 0; }\n</style></head>");
    // Without the marker or a </head> a movie is stored as it is, with a warning.
    EXPECT_EQ(deciphered(t / "app/plain.wlb"), "<html>\r\n</html>\r\n");
    EXPECT_THAT(r.output, HasSubstr("plain.html has no"));
    std::string about = deciphered(t / "app/about.wlb");
    std::erase(about, '\r');
    EXPECT_THAT(about, HasSubstr(std::string(movieRuntimeScript()).substr(0, 200)));
    EXPECT_THAT(about, Not(HasSubstr("<!-- movie-runtime -->")));
    // Logic a movie shares with its tests is written into it.
    EXPECT_THAT(about, HasSubstr("<body><script>\nvar judge = 1;\n</script></body>"));
}

TEST(PackTool, TheSampleProductAssemblesAndEveryDataFileDeciphersToItsSource) {
    TempFolder t;
    const auto r = runPack("assemble", {sourceProduct(), t / "app"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(fs::exists(t / "app/Help/Help.chm"));
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(sourceProduct() / "data")) {
        if (e.path().extension() != ".xml") continue;
        std::string source = readFile(e.path()), stored = deciphered(t / "app/Database" / (e.path().stem().string() + ".wlb"));
        std::erase(source, '\r');  // the line-break form is pinned above
        std::erase(stored, '\r');
        EXPECT_EQ(stored, source) << e.path().filename();
        ++n;
    }
    EXPECT_GE(n, 2u);
}
