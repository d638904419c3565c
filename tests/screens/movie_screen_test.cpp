#include "core/atomic_file.h"
#include "core/links.h"
#include "core/movie_runtime.h"
#include "screens/movie_contract.h"
#include "screens/movie_screen.h"
#include "core/xml.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

namespace {

namespace button = movie_contract::button;
constexpr const char* click = movie_contract::command::ButtonClick;
constexpr const char* killCommand = movie_contract::command::Kill;

class Screen : public MovieScreen {
public:
    explicit Screen(AppContext& ctx) : MovieScreen(ctx) {
        onButton("btnNext", [this] { log.push_back("next"); });
        onCommand("cmdFinish", [this](const std::string& a) { log.push_back("finish:" + a); });
        onCommand("handOut", [this](const std::string& a) { handToMovie(a); });
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
             {click, "btnNext"}, {click, "btnnext"}, {"btnNext", ""}, {"cmdFinish", "x"}, {"CMDFINISH", "x"},
             {click, "nothing"}, {click, button::Help}, {click, button::About}, {click, button::Utp}, {click, button::UtpUpper}})
        s.FSCommand(command, args);
    EXPECT_EQ(s.log, (std::vector<std::string>{"next", "finish:x"}));
    ASSERT_EQ(host.help.shown.size(), 1u);
    EXPECT_EQ(host.help.shown[0].second, "using__vostrane_exam_simulator.htm");
    EXPECT_EQ(host.about.shown, 1);
    EXPECT_EQ(host.links.opened, (std::vector<std::string>(2, "https://example.org/features")));
    EXPECT_TRUE(host.messages.shown.empty());
}

// F1: what "btnHelp" does on a screen that has one, the product's help on
// one that has none, nothing without a help viewer.
TEST_F(ScreenBase, TheHelpKeyDoesWhatTheScreensHelpButtonDoes) {
    parseXml(ctx.productDoc, "<product><help uri='Help'/></product>");
    Screen withButton(ctx);
    withButton.showHelp();
    MovieScreen plain(ctx);
    plain.showHelp();
    using Shown = std::pair<std::filesystem::path, std::string>;
    EXPECT_EQ(host.help.shown, (std::vector<Shown>{{"h.chm", kHelpTopic}, {t / "Help" / "Help.chm", kHelpTopic}}));
    ctx.host.help = nullptr;
    plain.showHelp();
    EXPECT_EQ(host.help.shown.size(), 2u);
}

TEST_F(ScreenBase, KillDeletesOnlyTheFilesHandedToAMovie) {
    const std::vector<std::string> stores{"MainReport.wlb", "savedexam", "bookmark.wlb", "Product.wlb", "Answers.wlb", "custom.wlb"};
    for (const std::string& name : stores) writeFile(t / "Database" / name, "x");
    writeFile(t / "keep.txt", "x");
    writeFile(t / "Database" / "page.html", "<p/>");
    writeFile(t / "Database" / "bookmark", "<Test/>");
    Screen s(ctx);
    s.FSCommand("kill", "bookmark");  // not handed out yet
    EXPECT_TRUE(std::filesystem::exists(t / "Database" / "bookmark"));
    for (const char* evil : {"..\\keep.txt", "../keep.txt", "/etc/hostname", "..", "", "sub/Product.wlb", "MAINREPORT.WLB",
                             "mainreport.wlb", "SavedExam", "Bookmark.wlb", "product.wlb", "answers.wlb", "page.html"})
        s.FSCommand("kill", evil);
    for (const std::string& name : stores) EXPECT_TRUE(std::filesystem::exists(t / "Database" / name)) << name;
    EXPECT_TRUE(std::filesystem::exists(t / "keep.txt"));

    struct Handed {
        std::string written, killed;
    };
    writeFile(t / "Database" / "simulator", "<Test/>");
    ctx.handedToMovies.insert("bookmark");
    for (const Handed& h : std::vector<Handed>{{"simulator", "simulator"}, {"bookmark", "BOOKMARK"}, {"page.html", "page.html"}}) {
        if (h.written == "page.html") s.FSCommand("handOut", "page.html");
        s.FSCommand("kill", h.killed);
        EXPECT_FALSE(std::filesystem::exists(t / "Database" / h.written)) << h.killed;
    }
    s.FSCommand("kill", "simulator");  // gone already: no message, no throw
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(ScreenBase, LoadingAMovieLeavesNoTemporaryFile) {
    writeEnciphered(ctx, t / "Splash.wlb", "<html><head></head><body></body></html>");
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

TEST_F(ScreenBase, AMovieThatCannotBeWrittenIsToldToTheUserAndNothingIsLoaded) {
    writeEnciphered(ctx, t / "about.wlb", "<html></html>");
    struct Case {
        const char* what;
        std::function<void()> arrange;
    };
    const Case cases[] = {
        {"a folder in the temporary movie's place", [&] { std::filesystem::create_directory(t / "tempSwf.swf"); }},
        {"a folder that takes no file", [] { setWriteFaultHook([](std::string_view step) { return step != "open"; }); }},
        {"a disk that fills up", [] { setWriteFaultHook([](std::string_view step) { return step != "write"; }); }},
    };
    for (const Case& c : cases) {
        host.messages.shown.clear();
        c.arrange();
        FakeMovie movie;
        bool loaded = true;
        EXPECT_NO_THROW(loaded = loadScreenMovie(ctx, movie, "\\about.wlb")) << c.what;
        setWriteFaultHook(nullptr);
        std::filesystem::remove(t / "tempSwf.swf");
        EXPECT_FALSE(loaded) << c.what;
        EXPECT_TRUE(movie.log.empty()) << c.what;
        ASSERT_EQ(host.messages.shown.size(), 1u) << c.what;
        EXPECT_EQ(host.messages.shown[0].text.rfind(kMovieNotWritten, 0), 0u) << c.what;
        EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly | msg::Critical);
        EXPECT_EQ(host.program.endCount, 0) << c.what;
    }
}

TEST_F(ScreenBase, OpenLinkLetsOutWebMailAndSafeDocumentsOfTheFolderOnly) {
    namespace fs = std::filesystem;
    for (const char* name : {"page.htm", "guide.PDF", "notes.txt", "pic.png", "x.desktop", "x.desktop.", "run.sh", "a.lnk",
                             "a.url", "a.vbs", "a.ps1", "a.bat", "a.scr", "a.jar", "a.hta", "a.svg", "noext", "tool.txt"})
        writeFile(t / "Database" / name, "[Desktop Entry]\nExec=/bin/sh\n");
    fs::permissions(t / "Database" / "tool.txt", fs::perms::owner_exec, fs::perm_options::add);
    fs::create_symlink(t / "Database" / "x.desktop", t / "Database" / "guide.html");
    TempFolder outside;
    writeFile(outside / "notes.txt", "x");
    fs::create_symlink(outside / "notes.txt", t / "Database" / "outside.txt");
    fs::create_directory(t / "Database" / "folder.html");
    openLink(ctx, "https://example.org/a?b=c");
    openLink(ctx, "MAILTO:someone@example.org");
    for (const char* allowed : {"Database\\page.htm", "database/GUIDE.pdf", "Database/notes.txt", "Database/pic.png"})
        openLink(ctx, allowed);
    openLink(ctx, (t / "Database" / "page.htm").string());
    for (const char* refused : {"file:///etc/passwd", "/bin/sh", "..\\..\\etc\\passwd", "run.sh", "Database/x.desktop",
                                "Database/x.desktop.", "Database/guide.html", "Database/outside.txt", "Database/folder.html",
                                "Database/a.lnk", "Database/a.url", "Database/a.vbs", "Database/a.ps1", "Database/a.bat",
                                "Database/a.scr", "Database/a.jar", "Database/a.hta", "Database/a.svg", "Database/noext",
                                "Database/tool.txt", "javascript:alert(1)", "C:\\Windows\\notepad.exe"})
        openLink(ctx, refused);
    const auto db = t / "Database";
    EXPECT_EQ(host.links.opened,
              (std::vector<std::string>{"https://example.org/a?b=c", "MAILTO:someone@example.org", (db / "page.htm").string(),
                                        (db / "guide.PDF").string(), (db / "notes.txt").string(), (db / "pic.png").string(),
                                        (db / "page.htm").string()}));
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
