#include "screens/update_check.h"

#include "core/xml.h"
#include "support/context_fixture.h"
#include "support/fake_work.h"
#include "support/update_server.h"

using namespace examsim;
using namespace examsim::test;

namespace {

namespace fs = std::filesystem;

class UpdateCheckTest : public ContextFixture {
protected:
    void SetUp() override {
        ContextFixture::SetUp();
        product(server.base(), "10");
        check.attachModeMovie(&movie);
    }
    void product(const std::string& base, const std::string& version) {
        ASSERT_TRUE(parseXml(ctx.productDoc, "<product><sku>NE-101</sku><version_code>" + version +
                                                 "</version_code><live_update checkUpdate=\"True\">" + base +
                                                 "</live_update></product>"));
    }
    // The server's version answer, and the check run to its end.
    void answer(const std::string& body) {
        writeFile(server.folder() / "version.txt", body);
        check.checkUpdate();
        work.settle();
    }
    bool marked() const { return movie.vars.contains("updateBlink"); }
    fs::path info() const { return t / "upgrade" / "updateINFO.txt"; }

    TempFolder www;
    UpdateServer server{www / "www"};
    FakeWorkRunner work;
    FakeMovie movie;
    UpdateLimits limits{{2000, 3000, 2, 3, 64}, {}, 40};
    UpdateCheck check{ctx, work, limits};
};

TEST_F(UpdateCheckTest, AsksTheVersionCheckAddressInTheBackground) {
    writeFile(server.folder() / "version.txt", "11");
    check.checkUpdate();
    EXPECT_EQ(work.waits, 0) << "the mode screen's load does not wait";
    EXPECT_FALSE(marked());
    work.settle();
    EXPECT_EQ(server.requests(), (std::vector<std::string>{"/getUpdate.php?version=10&product=NE-101&download=NO"}));
}

TEST_F(UpdateCheckTest, ANewerVersionIsWrittenAsAnsweredAndMarked) {
    answer("11\r\n");
    EXPECT_EQ(readFile(info()), "11\r\n");
    EXPECT_EQ(movie.vars["updateBlink"], "True");
    EXPECT_TRUE(check.updateFound());
    EXPECT_EQ(std::distance(fs::directory_iterator(t / "upgrade"), fs::directory_iterator()), 1);
}

// "9" is later than "10" only as a text.
TEST_F(UpdateCheckTest, NothingNewerMarksNothing) {
    for (const char* body : {"9", "10", "10.0", "abc", "", "11 beta", "<html>11</html>"}) {
        answer(body);
        EXPECT_FALSE(marked()) << body;
        EXPECT_FALSE(fs::exists(info())) << body;
    }
    EXPECT_FALSE(check.updateFound());
}

TEST_F(UpdateCheckTest, FailuresEndSilently) {
    writeFile(server.folder() / "version.txt.status", "404");
    answer("11");
    fs::remove(server.folder() / "version.txt.status");
    answer(std::string(100, '1'));  // past the cap
    writeFile(server.folder() / "version.txt.hang", "");
    answer("11");  // never answered: the timeout ends it
    product("ftp://127.0.0.1/", "10");
    answer("11");
    product("", "10");
    answer("11");
    EXPECT_FALSE(marked());
    EXPECT_FALSE(fs::exists(t / "upgrade"));
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(UpdateCheckTest, AnUpgradeFolderThatCannotHoldTheFileMarksNothing) {
    TempFolder outside;
    fs::create_directory_symlink(outside.path(), t / "upgrade");
    answer("11");
    EXPECT_FALSE(marked());
    EXPECT_TRUE(fs::is_empty(outside.path()));
}

}  // namespace
