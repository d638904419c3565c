#include "core/app_context.h"
#include "core/app_paths.h"
#include "core/file_ops.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

TEST(AppPaths, BackslashSlashMixedAndDoubledSeparatorsResolveToTheSameFile) {
    TempFolder t;
    writeFile(t / "Database" / "Product.wlb", "x");
    AppPaths paths(t.path());
    const auto expected = t / "Database" / "Product.wlb";
    for (const char* rel : {"/Database/Product.wlb", "\\Database\\Product.wlb", "\\Database/Product.wlb",
                            "Database//Product.wlb", "\\\\Database\\\\Product.wlb"}) {
        EXPECT_EQ(paths.resolve(rel), expected) << rel;
        EXPECT_TRUE(fileExists(paths.resolve(rel))) << rel;
    }
}

TEST(AppPaths, NamesDifferingOnlyInCaseFindTheExistingFile) {
    TempFolder t;
    writeFile(t / "Database" / "PDU.html", "x");
    AppPaths paths(t.path());
    EXPECT_EQ(paths.resolve("\\database\\PDU.html"), t / "Database" / "PDU.html");
    EXPECT_EQ(paths.resolve("\\DATABASE\\pdu.HTML"), t / "Database" / "PDU.html");
    EXPECT_EQ(*paths.fileIn("\\database\\", "pdu.html"), t / "Database" / "PDU.html");
    // A file not there yet keeps the name it was given, in the existing folder.
    EXPECT_EQ(paths.resolve("/database/new.wlb"), t / "Database" / "new.wlb");
    EXPECT_EQ(paths.resolve("/Other/new.wlb"), t / "Other" / "new.wlb");
}

TEST(AppPaths, NamesFromMoviesStayInTheirFolder) {
    AppPaths paths("/app");
    EXPECT_EQ(*paths.fileIn("\\Database\\", "simulator"), std::filesystem::path("/app/Database/simulator"));
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "c:x", "/etc/passwd"})
        EXPECT_FALSE(paths.fileIn("\\Database\\", bad)) << bad;
}

TEST(AppPaths, ConfinedRefusesEscapes) {
    TempFolder t;
    AppPaths paths(t.path());
    EXPECT_TRUE(paths.confined("Database\\page.html"));
    for (const char* bad : {"", "..\\x", "Database/../../x", "c:\\windows", "/"})
        EXPECT_FALSE(paths.confined(bad)) << bad;
    std::filesystem::create_directory_symlink("/", t / "out");
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
    EXPECT_FALSE(std::filesystem::exists(t / "upgrade" / "patch"));
    EXPECT_TRUE(std::filesystem::exists(t / "upgrade"));
    EXPECT_FALSE(deleteFolder(t / "upgrade" / "patch"));  // did not exist
}

TEST(ScreenScale, FlagAndScalesFromTheScreenSize) {
    AppContext ctx;
    FakeHost host;
    host.attach(ctx);
    host.screen.size = {1024, 768};
    computeScreenScale(ctx);
    EXPECT_TRUE(ctx.screen1024);
    EXPECT_FLOAT_EQ(ctx.horizontalScale, 1.0f);

    host.screen.size = {1280, 1024};
    computeScreenScale(ctx);
    EXPECT_FALSE(ctx.screen1024);
    EXPECT_FLOAT_EQ(ctx.horizontalScale, 1.25f);
    EXPECT_FLOAT_EQ(ctx.verticalScale, 1024.0f / 768.0f);

    ctx.paths.setFolder("/app");
    initScreenAndHelp(ctx);
    EXPECT_EQ(host.screen.helpFile, std::filesystem::path("/app/Help/help.chm"));
    EXPECT_EQ(host.screen.pointerResets, 1);
}
