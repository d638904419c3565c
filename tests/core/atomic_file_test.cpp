#include "core/atomic_file.h"
#include "core/data_file.h"
#include "support/context_fixture.h"

#include <unistd.h>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;

class AtomicReplace : public ContextFixture {
protected:
    void SetUp() override {
        ContextFixture::SetUp();
        ASSERT_TRUE(parseXml(oldDoc, "<history><r n=\"1\"/></history>"));
        ASSERT_TRUE(parseXml(newDoc, "<history><r n=\"1\"/><r n=\"2\"/></history>"));
        saveDataDocument(ctx, oldDoc, "MainReport");
    }
    void TearDown() override { setWriteFaultHook({}); }
    // The container holds `doc` and no temporary file is left beside it.
    void expectContainer(const pugi::xml_document& doc) {
        setWriteFaultHook({});
        pugi::xml_document back;
        ASSERT_TRUE(loadDataDocument(ctx, "MainReport", back));
        EXPECT_EQ(xmlText(back), xmlText(doc));
        const auto entries = std::distance(fs::directory_iterator(t / "Database"), fs::directory_iterator());
        EXPECT_EQ(entries, 1) << "a temporary file was left behind";
    }
    pugi::xml_document oldDoc, newDoc;
};

TEST_F(AtomicReplace, AFailureAtAnyStepKeepsTheOldContainerAndSuccessReplacesIt) {
    for (const char* step : {"open", "write", "sync", "rename"}) {
        SCOPED_TRACE(step);
        setWriteFaultHook([step](std::string_view s) { return s != step; });
        EXPECT_THROW(saveDataDocument(ctx, newDoc, "MainReport"), FileWriteError);
        expectContainer(oldDoc);
    }
    saveDataDocument(ctx, newDoc, "MainReport");
    expectContainer(newDoc);
}

TEST_F(AtomicReplace, AWriteThatFailsHalfWayKeepsTheOldContainer) {
    int writes = 0;
    // The first chunk goes through, the next one fails as on a full disk.
    setWriteFaultHook([&](std::string_view s) { return s != "write" || writes++ == 0; });
    EXPECT_THROW(writeFileAtomically(t / "Database" / "MainReport.wlb", std::string(1 << 20, 'x')), FileWriteError);
    EXPECT_EQ(writes, 2);
    expectContainer(oldDoc);
}

TEST_F(AtomicReplace, AReadOnlyFolderKeepsTheOldContainer) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root; the injected failures cover it";
    fs::permissions(t / "Database", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(saveDataDocument(ctx, newDoc, "MainReport"), FileWriteError);
    fs::permissions(t / "Database", fs::perms::owner_all);
    expectContainer(oldDoc);
}

TEST(AbandonedTemporaries, OnlyTheTargetsOwnTemporariesAreRemoved) {
    TempFolder t;
    for (const char* name : {".MainReport.wlb.tmp-abcdefghij", ".bookmark.wlb.tmp-abcdefghij", ".MainReport.wlb.tmp-short"})
        writeFile(t / name, "x");
    writeFile(t / "MainReport.wlb", "kept");
    removeAbandonedTemporaries(t / "MainReport.wlb");
    EXPECT_FALSE(fs::exists(t / ".MainReport.wlb.tmp-abcdefghij"));
    EXPECT_TRUE(fs::exists(t / ".bookmark.wlb.tmp-abcdefghij"));
    EXPECT_TRUE(fs::exists(t / ".MainReport.wlb.tmp-short"));
    EXPECT_EQ(readFile(t / "MainReport.wlb"), "kept");
}
