#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/file_ops.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;

TEST(AppPaths, AnySeparatorsAndAnyCaseFindTheExistingFile) {
    TempFolder t;
    writeFile(t / "Database" / "PDU.html", "x");
    AppPaths paths(t.path());
    for (const char* rel : {"/Database/PDU.html", "\\Database\\PDU.html", "\\Database/PDU.html", "Database//PDU.html",
                            "\\\\Database\\\\PDU.html", "\\database\\PDU.html", "\\DATABASE\\pdu.HTML"})
        EXPECT_EQ(paths.resolve(rel), t / "Database" / "PDU.html") << rel;
    EXPECT_EQ(*paths.fileIn("\\database\\", "pdu.html"), t / "Database" / "PDU.html");
    // A file not there yet keeps the name it was given, in the existing folder.
    EXPECT_EQ(paths.resolve("/database/new.wlb"), t / "Database" / "new.wlb");
    EXPECT_EQ(paths.resolve("/Other/new.wlb"), t / "Other" / "new.wlb");
}

TEST(AppPaths, NamesFromMoviesStayInTheirFolder) {
    TempFolder t;
    AppPaths paths(t.path());
    EXPECT_EQ(*paths.fileIn("\\Database\\", "simulator"), t / "Database" / "simulator");
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "c:x", "/etc/passwd"})
        EXPECT_FALSE(paths.fileIn("\\Database\\", bad)) << bad;

    EXPECT_TRUE(paths.confined("Database\\page.html"));
    for (const char* bad : {"", "..\\x", "Database/../../x", "c:\\windows", "/"}) EXPECT_FALSE(paths.confined(bad)) << bad;
    fs::create_directory_symlink("/", t / "out");
    EXPECT_FALSE(paths.confined("out/etc/passwd"));
}

TEST(AppPaths, OnlyAPathFollowedToTheEndIsConfined) {
    TempFolder t;
    writeFile(t / "app" / "Database" / "page.html", "x");
    fs::create_directory_symlink(t / "app" / "Database", t / "app" / "data");
    fs::create_symlink("loop", t / "app" / "loop");
    fs::create_symlink("loop", t / "loop");
    const std::string longName(300, 'a');
    struct Case {
        fs::path folder;
        std::string relative;
        bool allowed;
    };
    const Case cases[] = {
        {t / "app", "Database\\page.html", true},
        {t / "app", "Database\\new.wlb", true},  // to be written: its folder is followed
        {t / "app", "New/Deeper\\file.txt", true},  // nothing of it there yet
        {t / "app", "data\\page.html", true},  // a link that stays inside
        {t / "app", "loop\\x", false},  // a loop of links leads nowhere
        {t / "app", longName + "/x", false},  // a name no file system takes
        {t / "loop" / "app", "Database\\page.html", false},  // the folder itself cannot be followed
        {t / longName, "Database\\page.html", false},
        {fs::path(), "Database\\page.html", false},             // no folder known
    };
    for (const Case& c : cases) {
        AppPaths paths(c.folder);
        const auto confined = paths.confined(c.relative);
        EXPECT_EQ(confined.has_value(), c.allowed) << c.folder << " + " << c.relative.substr(0, 40);
        if (confined) {
            EXPECT_EQ(*confined, paths.resolve(c.relative));
        }
    }
}

TEST(FileOps, ExistsDeleteAndFolders) {
    TempFolder t;
    AppPaths paths(t.path());
    writeFile(t / "empty", "");
    EXPECT_TRUE(fileExists(t / "empty"));  // a file of length 0 exists
    EXPECT_FALSE(fileExists(t / "missing"));
    EXPECT_FALSE(fileExists(t.path()));  // a folder is no file

    deleteFile(paths, t / "missing");  // no error
    deleteFile(paths, t / "empty");
    EXPECT_FALSE(fileExists(t / "empty"));

    writeFile(t / "upgrade" / "patch" / "a" / "b.txt", "x");
    EXPECT_TRUE(deleteFolder(paths, (t / "upgrade" / "patch").string() + "\\"));  // one trailing "\" is stripped
    EXPECT_FALSE(fs::exists(t / "upgrade" / "patch"));
    EXPECT_TRUE(fs::exists(t / "upgrade"));
    EXPECT_FALSE(deleteFolder(paths, t / "upgrade" / "patch"));  // did not exist
}

TEST(FileOps, NoDeleteOrWriteFollowsALinkOutOfTheApplicationFolder) {
    TempFolder t, outside;
    AppPaths paths(t.path());
    writeFile(outside / "patch" / "precious.txt", "x");
    writeFile(outside / "precious.wlb", "x");
    writeFile(t / "real" / "patch" / "a.txt", "x");
    fs::create_directory_symlink(outside.path(), t / "upgrade");     // a link out of the folder
    fs::create_directory_symlink(t / "real", t / "inner");           // a link that stays inside
    fs::create_directory(t / "Database");
    fs::create_directory_symlink(outside.path(), t / "Database" / "sub");

    EXPECT_FALSE(deleteFolder(paths, paths.resolve("/upgrade/patch")));
    deleteFile(paths, paths.resolve("\\upgrade\\precious.wlb"));
    deleteFile(paths, paths.resolve("\\Database\\sub\\precious.wlb"));
    EXPECT_THROW(requireInsideFolder(paths, paths.resolve("/upgrade/new.wlb")), FileWriteError);
    EXPECT_THROW(requireInsideFolder(paths, outside / "x"), FileWriteError);
    EXPECT_TRUE(fs::exists(outside / "patch" / "precious.txt"));
    EXPECT_TRUE(fs::exists(outside / "precious.wlb"));

    EXPECT_NO_THROW(requireInsideFolder(paths, paths.resolve("/inner/new.wlb")));
    EXPECT_NO_THROW(requireInsideFolder(paths, paths.resolve("/Database/new/deeper.wlb")));
    EXPECT_TRUE(deleteFolder(paths, paths.resolve("/inner/patch")));
    EXPECT_FALSE(fs::exists(t / "real" / "patch"));
    // A link as the last component is removed or replaced itself, never its target.
    EXPECT_FALSE(deleteFolder(paths, paths.resolve("/upgrade")));
    EXPECT_TRUE(fs::is_symlink(t / "upgrade"));
}

TEST(ScreenScale, ScalesFromTheScreenSizeAndTheHelpFileOfTheFolder) {
    AppContext ctx;
    FakeHost host;
    host.attach(ctx);
    host.screen.size = {1280, 1024};
    computeScreenScale(ctx);
    EXPECT_FALSE(ctx.screen1024);
    EXPECT_FLOAT_EQ(ctx.horizontalScale, 1.25f);
    EXPECT_FLOAT_EQ(ctx.verticalScale, 1024.0f / 768.0f);
    ctx.paths.setFolder("/app");
    initScreenAndHelp(ctx);
    EXPECT_EQ(host.screen.helpFile, fs::path("/app/Help/help.chm"));
}
