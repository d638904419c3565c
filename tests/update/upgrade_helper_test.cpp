// The update helper as the update screen starts it: a program of its own.
#include "support/context_fixture.h"
#include "support/temp_folder.h"
#include "update/install_outcome.h"
#include "zip_builder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace examsim;
using namespace examsim::test;

namespace {

namespace fs = std::filesystem;

// The helper's exit code; no shell between.
int helper(const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(EXAMSIM_UPGRADE)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(EXAMSIM_UPGRADE, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(UpgradeHelper, UnpacksTheNewsAndInstallsTheUpdate) {
    TempFolder t;
    const fs::path app = t / "app";
    writeFile(app / "Database" / "QuestionBank.wlb", "old bank");
    writeFile(app / "upgrade" / "newsletter" / "old.html", "last month");
    writeZip(app / "upgrade" / "wlbfile.zip", {{"index.html", "<h1>News</h1>"}, {"img/a.png", "png"}});
    writeZip(app / "upgrade" / "patch.zip", {{"Database/QuestionBank.wlb", "new bank"}});

    EXPECT_EQ(helper({"news", app.string()}), 0);
    EXPECT_EQ(readFile(app / "upgrade" / "newsletter" / "index.html"), "<h1>News</h1>");
    EXPECT_EQ(readFile(app / "upgrade" / "newsletter" / "img" / "a.png"), "png");
    EXPECT_FALSE(fs::exists(app / "upgrade" / "newsletter-staging"));

    EXPECT_EQ(helper({"install", app.string()}), 0);
    EXPECT_EQ(readFile(app / "Database" / "QuestionBank.wlb"), "new bank");
    EXPECT_FALSE(fs::exists(app / "upgrade" / "patch.zip")) << "not installed twice";
    EXPECT_TRUE(fs::exists(app / "upgrade" / "patch")) << "left for the next start to remove";
}

TEST(UpgradeHelper, RefusesBadPackagesAndBadCalls) {
    TempFolder t;
    const fs::path app = t / "app";
    writeFile(app / "Database" / "QuestionBank.wlb", "old bank");
    writeZip(app / "upgrade" / "patch.zip", {{"Database/QuestionBank.wlb", "new bank"}, {"../escaped", "x"}});
    EXPECT_EQ(helper({"install", app.string()}), 1);
    EXPECT_EQ(readFile(app / "Database" / "QuestionBank.wlb"), "old bank");
    EXPECT_FALSE(fs::exists(t / "escaped"));
    EXPECT_TRUE(fs::exists(app / "upgrade" / "patch.zip"));
    EXPECT_EQ(helper({"news", app.string()}), 1) << "no news package";
    EXPECT_EQ(helper({"install"}), 2);
    EXPECT_EQ(helper({"run", app.string()}), 2);
    EXPECT_EQ(helper({"install", (t / "nowhere").string()}), 2);
}

// The helper runs after the update screen has gone: a failed install is
// said at the next start, once; a good one is not.
class InstallOutcome : public ContextFixture {};

TEST_F(InstallOutcome, AFailedInstallIsSaidAtTheNextStartOnce) {
    writeFile(t / "Database" / "QuestionBank.wlb", "old bank");
    writeZip(t / "upgrade" / "patch.zip", {{"Database/QuestionBank.wlb", "new bank"}, {"../escaped", "x"}});
    ASSERT_EQ(helper({"install", t.path().string()}), 1);
    reportLastInstall(ctx);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_NE(host.messages.shown[0].text.find("could not be installed"), std::string::npos);
    EXPECT_NE(host.messages.shown[0].text.find("escaped"), std::string::npos) << "the reason is given";
    reportLastInstall(ctx);
    EXPECT_EQ(host.messages.shown.size(), 1u);

    writeZip(t / "upgrade" / "patch.zip", {{"Database/QuestionBank.wlb", "new bank"}});
    ASSERT_EQ(helper({"install", t.path().string()}), 0);
    reportLastInstall(ctx);
    EXPECT_EQ(host.messages.shown.size(), 1u) << "a good install says nothing";
    EXPECT_FALSE(std::filesystem::exists(t / "upgrade" / "install-outcome.txt"));
}

}  // namespace
