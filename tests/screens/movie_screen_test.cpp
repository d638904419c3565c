#include "core/links.h"
#include "core/movie_runtime.h"
#include "screens/movie_screen.h"
#include "core/xml.h"
#include "support/context_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class Screen : public MovieScreen {
public:
    explicit Screen(AppContext& ctx) : MovieScreen(ctx) {
        onButton("btnNext", [this] { log.push_back("next"); });
        onCommand("cmdFinish", [this](const std::string& a) { log.push_back("finish:" + a); });
        addHelpButton([] { return std::filesystem::path("h.chm"); });
        addAboutButton();
        addUtpButtons();
    }
    std::vector<std::string> log;
};

class ScreenBase : public ContextFixture {};

}  // namespace

TEST_F(ScreenBase, DispatchesExactNamesAndIgnoresTheRest) {
    parseXml(ctx.productDoc, "<product><utp uri='https://example.org/features'/></product>");
    Screen s(ctx);
    for (const auto& [command, args] : std::vector<std::pair<std::string, std::string>>{
             {"ButtonClick", "btnNext"}, {"ButtonClick", "btnnext"}, {"btnNext", ""}, {"cmdFinish", "x"},
             {"CMDFINISH", "x"}, {"ButtonClick", "nothing"}, {"ButtonClick", "btnHelp"}, {"ButtonClick", "btnAbout"},
             {"ButtonClick", "btnUtp"}, {"ButtonClick", "btnUTP"}})
        s.FSCommand(command, args);
    EXPECT_EQ(s.log, (std::vector<std::string>{"next", "finish:x"}));
    ASSERT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.help.shown[0].second, "using__vostrane_exam_simulator.htm");
    EXPECT_EQ(host.about.shown, 1);
    EXPECT_EQ(host.links.opened, (std::vector<std::string>(2, "https://example.org/features")));
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(ScreenBase, KillDeletesOnlyAPlainFileOfTheDatabaseFolder) {
    writeFile(t / "Database" / "simulator", "<Test/>");
    writeFile(t / "keep.txt", "x");
    writeFile(t / "Database" / "Product.wlb", "x");
    Screen s(ctx);
    s.FSCommand("kill", "simulator");
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "simulator"));
    for (const char* evil : {"..\\keep.txt", "../keep.txt", "/etc/hostname", "..", "", "sub/Product.wlb"})
        s.FSCommand("kill", evil);
    EXPECT_TRUE(std::filesystem::exists(t / "keep.txt"));
    EXPECT_TRUE(std::filesystem::exists(t / "Database" / "Product.wlb"));
    s.FSCommand("kill", "not-there");  // no message, no throw
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(ScreenBase, LoadingAMovieLeavesNoTemporaryFile) {
    std::string html = "<html><head></head><body></body></html>";
    ctx.movieCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(html.data()), html.size()}, kPassPhrase);
    writeFile(t / "Splash.wlb", html);
    FakeMovie movie;
    loadScreenMovie(ctx, movie, "\\Splash.wlb");
    EXPECT_EQ(movie.log, (std::vector<std::string>{"LoadMovie 0 tempSwf.swf"}));
    EXPECT_FALSE(std::filesystem::exists(t / "tempSwf.swf"));

    struct Throwing : FakeMovie {
        void LoadMovie(int, const std::filesystem::path&) override { throw std::runtime_error("engine gone"); }
    } broken;
    EXPECT_THROW(loadScreenMovie(ctx, broken, "\\Splash.wlb"), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(t / "tempSwf.swf"));
    EXPECT_THROW(loadScreenMovie(ctx, movie, "\\missing.wlb"), CryptError);
}

TEST_F(ScreenBase, OpenLinkLetsOutWebMailAndFilesOfTheFolderOnly) {
    writeFile(t / "Database" / "page.htm", "<p/>");
    writeFile(t / "run.sh", "#!/bin/sh");
    writeFile(t / "Database" / "x.desktop", "[Desktop Entry]");
    openLink(ctx, "https://example.org/a?b=c");
    openLink(ctx, "MAILTO:someone@example.org");
    openLink(ctx, "Database\\page.htm");
    openLink(ctx, (t / "Database" / "page.htm").string());
    for (const char* refused : {"file:///etc/passwd", "/bin/sh", "..\\..\\etc\\passwd", "run.sh", "Database/x.desktop",
                                "javascript:alert(1)", "C:\\Windows\\notepad.exe"})
        openLink(ctx, refused);
    ASSERT_EQ(host.links.opened.size(), 4u);
    EXPECT_EQ(host.links.opened[2], (t / "Database" / "page.htm").string());
    EXPECT_EQ(host.links.opened[3], (t / "Database" / "page.htm").string());
}

TEST(MailLink, BuildsAWellFormedLinkWhateverIsEmpty) {
    EXPECT_EQ(mailLink("a@b.org", "", ""), "mailto:a@b.org");
    EXPECT_EQ(mailLink("a@b.org", "Hi there", ""), "mailto:a@b.org?subject=Hi%20there");
    EXPECT_EQ(mailLink("a@b.org", "", "x&y"), "mailto:a@b.org?body=x%26y");
    EXPECT_EQ(mailLink("a@b.org", "S#1", "line\r\n2"), "mailto:a@b.org?subject=S%231&body=line%0D%0A2");
}

TEST(MovieRuntime, IsInlinedAtTheMarkerOrBeforeTheEndOfTheHead) {
    const std::string withMarker = *withMovieRuntime("<head><!-- movie-runtime --><title>x</title></head>");
    EXPECT_EQ(withMarker.find("<head><script>\n"), 0u);
    EXPECT_NE(withMarker.find("createMovie"), std::string::npos);
    const std::string atHead = *withMovieRuntime("<head><title>x</title></head><body/>");
    EXPECT_LT(atHead.find("createMovie"), atHead.find("</head>"));
    EXPECT_GT(atHead.find("createMovie"), atHead.find("</title>"));
    EXPECT_FALSE(withMovieRuntime("<p>no head</p>"));
    EXPECT_EQ(std::string(movieRuntimeScript()).find("</script"), std::string::npos);
}
