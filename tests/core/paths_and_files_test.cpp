#include "core/app_context.h"
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

TEST(FileOps, ExistsDeleteAndFolders) {
    TempFolder t;
    writeFile(t / "empty", "");
    EXPECT_TRUE(fileExists(t / "empty"));  // a file of length 0 exists
    EXPECT_FALSE(fileExists(t / "missing"));
    EXPECT_FALSE(fileExists(t.path()));  // a folder is no file

    deleteFile(t / "missing");  // no error
    deleteFile(t / "empty");
    EXPECT_FALSE(fileExists(t / "empty"));

    writeFile(t / "upgrade" / "patch" / "a" / "b.txt", "x");
    EXPECT_TRUE(deleteFolder((t / "upgrade" / "patch").string() + "\\"));  // one trailing "\" is stripped
    EXPECT_FALSE(fs::exists(t / "upgrade" / "patch"));
    EXPECT_TRUE(fs::exists(t / "upgrade"));
    EXPECT_FALSE(deleteFolder(t / "upgrade" / "patch"));  // did not exist
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
