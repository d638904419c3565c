#include "update/update_requests.h"

#include "support/fake_work.h"
#include "support/temp_folder.h"
#include "support/update_server.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace fs = std::filesystem;

class Packages : public ::testing::Test {
protected:
    Download fetch(const std::string& path) { return downloadPackage(work, server.base() + path, target, limits); }
    // Every file of the target's folder, temporaries included.
    std::vector<std::string> upgradeFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(target.parent_path())) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder t;
    UpdateServer server{t / "www"};
    FakeWorkRunner work;
    fs::path target = t / "app" / "upgrade" / "patch.zip";
    UpdateLimits limits{{}, {2000, 5000, 2, 3, 64 * 1024}, 40};
};

TEST_F(Packages, AZipIsKeptWithExactlyItsBytes) {
    std::string bytes = "PK\x03\x04";
    for (int i = 0; i < 20000; ++i) bytes.push_back(static_cast<char>(i * 7));
    writeFile(server.folder() / "patch.zip", bytes);
    Download d = fetch("patch.zip");
    ASSERT_TRUE(d.zip);
    EXPECT_EQ(work.waits, 1);
    EXPECT_FALSE(fs::exists(target));  // not before it is kept
    d.keep();
    EXPECT_EQ(readFile(target), bytes);
    EXPECT_EQ(upgradeFiles(), (std::vector<std::string>{"patch.zip"}));
}

TEST_F(Packages, PkInEitherCaseCountsAsZip) {
    for (const char* start : {"PK", "pk", "Pk", "pK"}) {
        writeFile(server.folder() / "patch.zip", std::string(start) + "rest");
        Download d = fetch("patch.zip");
        EXPECT_TRUE(d.zip) << start;
        EXPECT_EQ(d.text, "") << start;
    }
}

// Not a package: the server's words, and the old file stays as it was.
TEST_F(Packages, AnythingElseIsTextAndChangesNothing) {
    writeFile(target, "old package");
    const struct {
        std::string body;
        std::string shown;
    } cases[] = {
        {"No update for this product.", "No update for this product."},
        {"P", "P"},
        {"", ""},
        {"Caf\xe9 ferm\xe9", "Caf\xc3\xa9 ferm\xc3\xa9"},  // the old code page
        {"Gr\xc3\xbc\xc3\x9f" "e", "Gr\xc3\xbc\xc3\x9f" "e"},
        {std::string(39, 'a') + "\xc3\xa9 and more", std::string(39, 'a')},  // cut at 40 bytes: "\xc3" dropped
    };
    for (const auto& c : cases) {
        writeFile(server.folder() / "patch.zip", c.body);
        const Download d = fetch("patch.zip");
        EXPECT_TRUE(d.result.ok());
        EXPECT_FALSE(d.zip);
        EXPECT_EQ(d.text, c.shown.substr(0, 40));
        EXPECT_EQ(readFile(target), "old package");
        EXPECT_EQ(upgradeFiles(), (std::vector<std::string>{"patch.zip"}));
    }
}

TEST_F(Packages, FailuresLeaveNoFileBehind) {
    writeFile(server.folder() / "patch.zip", "PK but refused");
    writeFile(server.folder() / "patch.zip.status", "404");
    writeFile(server.folder() / "big.zip", "PK" + std::string(100 * 1024, 'x'));
    writeFile(server.folder() / "hang.zip", "PK");
    writeFile(server.folder() / "hang.zip.hang", "");
    limits.package.totalTimeoutMs = 1000;
    for (const char* path : {"patch.zip", "big.zip", "hang.zip"}) {
        const Download d = fetch(path);
        EXPECT_FALSE(d.zip) << path;
        EXPECT_FALSE(d.file) << path;
        EXPECT_EQ(d.text, "") << path;
        EXPECT_TRUE(upgradeFiles().empty()) << path;
    }
    EXPECT_EQ(fetch("patch.zip").result.status, 404);
    EXPECT_EQ(fetch("big.zip").result.end, HttpEnd::TooLarge);
    EXPECT_EQ(fetch("hang.zip").result.end, HttpEnd::TimedOut);
}

TEST_F(Packages, AFolderThatCannotBeWrittenFailsBeforeAsking) {
    writeFile(t / "app" / "upgrade", "a file where the folder should be");
    writeFile(server.folder() / "patch.zip", "PK");
    const Download d = downloadPackage(work, server.base() + "patch.zip", t / "app" / "upgrade" / "patch.zip", limits);
    EXPECT_EQ(d.result.end, HttpEnd::Failed);
    EXPECT_FALSE(d.result.error.empty());
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(Packages, TextAnswersComeWhole) {
    writeFile(server.folder() / "version.txt", "11\r\n");
    const TextAnswer a = fetchText(work, server.base() + "getUpdate.php?download=NO", limits.check);
    EXPECT_TRUE(a.result.ok());
    EXPECT_EQ(a.body, "11\r\n");
    EXPECT_EQ(work.waits, 1);
}

}  // namespace
