#include "update/archive_install.h"

#include "core/app_paths.h"
#include "core/atomic_file.h"
#include "support/temp_folder.h"
#include "zip_builder.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace fs = std::filesystem;

// Every file under a folder with its bytes (links as "-> target").
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string rel = fs::relative(it->path(), root).string();
        if (it->is_symlink()) files[rel] = "-> " + fs::read_symlink(it->path()).string();
        else if (it->is_regular_file()) files[rel] = readFile(it->path());
    }
    return files;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(app / "Database" / "QuestionBank.wlb", "old bank");
        writeFile(app / "TestMode.wlb", "old mode movie");
        writeFile(app / "Help" / "Help.chm", "old help");
        writeFile(outside / "keep.txt", "outside");
        fs::create_directories(app / "upgrade");
    }
    InstallResult install(const std::vector<ZipEntry>& entries) {
        writeZip(app / "upgrade" / "patch.zip", entries);
        return installArchive(paths, app / "upgrade" / "patch.zip", app / "upgrade" / "patch", app);
    }
    std::map<std::string, std::string> product() {
        auto all = snapshot(app);
        std::erase_if(all, [](const auto& kv) { return kv.first.rfind("upgrade", 0) == 0; });
        return all;
    }

    TempFolder t;
    fs::path app = t / "app";
    fs::path outside = t / "outside";
    AppPaths paths{app};
};

TEST_F(Installer, APackageReplacesAndAddsItsFilesOnly) {
    const InstallResult r = install({{"Database/", "", 040755},
                                     {"Database/QuestionBank.wlb", "new bank"},
                                     {"movies\\liveupdate.wlb", "new movie"},  // written on the old platform
                                     {"./TestMode.wlb", "new mode movie"},
                                     {"empty.txt", ""}});
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(r.files, (std::vector<std::string>{"Database/QuestionBank.wlb", "TestMode.wlb", "empty.txt", "movies/liveupdate.wlb"}));
    EXPECT_EQ(product(), (std::map<std::string, std::string>{{"Database/QuestionBank.wlb", "new bank"},
                                                             {"Help/Help.chm", "old help"},
                                                             {"TestMode.wlb", "new mode movie"},
                                                             {"empty.txt", ""},
                                                             {"movies/liveupdate.wlb", "new movie"}}));
}

// An updated program must still start: an added file takes the package's
// execute bits and nothing more, a replaced one keeps its own mode.
TEST_F(Installer, ProgramsStayProgramsAndNoOtherModeBitIsTaken) {
    writeFile(app / "examsim", "old program");
    fs::permissions(app / "examsim", fs::perms(0755));
    const InstallResult r = install({{"examsim", "new program", 0100644},
                                     {"examsim-tool", "new helper", 0104755},  // set-user-id asked for
                                     {"Database/new.wlb", "data", 0100666}});
    ASSERT_TRUE(r.ok) << r.reason;
    const auto mode = [&](const char* rel) { return static_cast<unsigned>(fs::status(app / rel).permissions()) & 07777u; };
    EXPECT_EQ(mode("examsim"), 0755u);
    EXPECT_EQ(mode("examsim-tool"), 0755u);
    EXPECT_EQ(mode("Database/new.wlb"), 0644u);
}

// Any bad entry refuses the whole package: nothing of it reaches the product
// or any other place, and its staging folder is gone.
TEST_F(Installer, ABadEntryRefusesThePackageAndChangesNothing) {
    const ZipEntry good{"Database/QuestionBank.wlb", "new bank"};
    const std::vector<std::pair<const char*, std::vector<ZipEntry>>> cases = {
        {"parent", {good, {"../x", "escaped"}}},
        {"deeper parent", {good, {"Database/../../x", "escaped"}}},
        {"backslash parent", {good, {"..\\x", "escaped"}}},
        {"absolute", {good, {(outside / "x").string(), "escaped"}}},
        {"etc", {good, {"/etc/examsim-x", "escaped"}}},
        {"drive", {good, {"C:/x", "escaped"}}},
        {"link out", {good, {"Database/out", outside.string(), 0120777}}},
        {"relative link out", {good, {"out", "../outside", 0120777}}},
        {"link inside", {good, {"Help/again", "Help.chm", 0120777}}},
        {"device", {good, {"dev", "", 020644}}},
        {"block device", {good, {"disk", "", 060644}}},
        {"twice", {good, {"Database/QuestionBank.wlb", "again"}}},
        {"file under file", {good, {"Database/QuestionBank.wlb/x", "x"}}},
        {"only a dot", {good, {".", "x"}}},
    };
    const auto before = product();
    for (const auto& [what, entries] : cases) {
        SCOPED_TRACE(what);
        const InstallResult r = install(entries);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.reason.empty());
        EXPECT_EQ(product(), before);
        EXPECT_FALSE(fs::exists(app / "upgrade" / "patch"));
        EXPECT_EQ(snapshot(outside), (std::map<std::string, std::string>{{"keep.txt", "outside"}}));
        EXPECT_FALSE(fs::exists(t / "x"));
        EXPECT_FALSE(fs::exists("/etc/examsim-x"));
    }
}

TEST_F(Installer, DamagedOrOversizedPackagesAreRefused) {
    const auto before = product();
    writeFile(app / "upgrade" / "patch.zip", "PK\x03\x04 not really");
    EXPECT_FALSE(installArchive(paths, app / "upgrade" / "patch.zip", app / "upgrade" / "patch", app).ok);
    EXPECT_FALSE(installArchive(paths, app / "upgrade" / "none.zip", app / "upgrade" / "patch", app).ok);

    writeZip(app / "upgrade" / "patch.zip", {{"a", std::string(3000, 'a')}, {"b", std::string(3000, 'b')}});
    const std::string zip = readFile(app / "upgrade" / "patch.zip");
    writeFile(app / "upgrade" / "cut.zip", zip.substr(0, zip.size() / 2));
    EXPECT_FALSE(installArchive(paths, app / "upgrade" / "cut.zip", app / "upgrade" / "patch", app).ok);
    EXPECT_FALSE(installArchive(paths, app / "upgrade" / "patch.zip", app / "upgrade" / "patch", app, {1, 1 << 20}).ok);
    EXPECT_FALSE(installArchive(paths, app / "upgrade" / "patch.zip", app / "upgrade" / "patch", app, {10, 5000}).ok);
    EXPECT_EQ(product(), before);
    EXPECT_TRUE(installArchive(paths, app / "upgrade" / "patch.zip", app / "upgrade" / "patch", app, {2, 6000}).ok);
}

// The reader takes an entry marked as a pipe for a plain file: it is written
// as one, never made a pipe.
TEST_F(Installer, APipeEntryBecomesAPlainFile) {
    ASSERT_TRUE(install({{"fifo", "bytes", 010644}}).ok);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(app / "fifo")));
    EXPECT_EQ(readFile(app / "fifo"), "bytes");
}

// The product's own folders are judged too before anything is replaced.
TEST_F(Installer, TargetsThatAreNotPlainFilesInsideRefuseThePackage) {
    fs::create_directory_symlink(outside, app / "Linked");
    fs::create_symlink(outside / "keep.txt", app / "Database" / "Pointer.wlb");
    fs::create_directories(app / "Folder");
    const auto before = product();
    for (const char* name : {"Linked/keep.txt", "Linked/new.txt", "Database/Pointer.wlb", "Folder"}) {
        SCOPED_TRACE(name);
        const InstallResult r = install({{"Database/QuestionBank.wlb", "new bank"}, {name, "new"}});
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(product(), before);
        EXPECT_EQ(snapshot(outside), (std::map<std::string, std::string>{{"keep.txt", "outside"}}));
    }
}

// Killed at each step of the install, the product holds each file either
// old or new, never torn, and nothing is replaced before every new file is
// written.
TEST_F(Installer, AnInstallKilledAtAnyStepLeavesEachFileOldOrNew) {
    std::map<std::string, std::string> older, newer;
    std::vector<ZipEntry> entries;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "Database/file" + std::to_string(i) + ".wlb";
        older[name] = std::string(200000 + i, static_cast<char>('a' + i));
        newer[name] = std::string(300000 + i, static_cast<char>('A' + i));
        entries.push_back({name, newer[name]});
    }
    writeZip(app / "upgrade" / "patch.zip", entries);
    int killedAt = 0;
    for (bool reachedEnd = false; !reachedEnd; ++killedAt) {
        fs::remove_all(app / "Database");
        for (const auto& [name, bytes] : older) writeFile(app / name, bytes);
        const pid_t child = ::fork();
        if (child == 0) {
            int step = 0;
            setWriteFaultHook([&](std::string_view) {
                if (step++ == killedAt) ::_exit(3);
                return true;
            });
            const InstallResult r = installArchive(paths, app / "upgrade" / "patch.zip", app / "upgrade" / "patch", app);
            ::_exit(r.ok ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        reachedEnd = WEXITSTATUS(status) == 0;
        if (!reachedEnd) {
            ASSERT_EQ(WEXITSTATUS(status), 3) << "killed at step " << killedAt;
        }
        int renewed = 0;
        for (const auto& [name, bytes] : older) {
            const std::string now = readFile(app / name);
            EXPECT_TRUE(now == bytes || now == newer[name]) << name << " torn when killed at step " << killedAt;
            renewed += now == newer[name];
        }
        if (reachedEnd) {
            EXPECT_EQ(renewed, 6);
        }
        ASSERT_LT(killedAt, 10000);
    }
    EXPECT_GT(killedAt, 6 * 4) << "every file's open, write, sync and rename was a place to be killed";
}

}  // namespace
