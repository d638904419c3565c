#include "core/atomic_file.h"
#include "core/data_file.h"
#include "support/context_fixture.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
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

TEST_F(AtomicReplace, AReplacedFileKeepsItsModeAndAReadOnlyFileIsRefused) {
    const fs::path store = t / "Database" / "MainReport.wlb";
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                                 fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
        fs::permissions(store, mode);
        saveDataDocument(ctx, newDoc, "MainReport");
        EXPECT_EQ(fs::status(store).permissions(), mode);
        saveDataDocument(ctx, oldDoc, "MainReport");
    }
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(store, readOnly);
    EXPECT_THROW(saveDataDocument(ctx, newDoc, "MainReport"), FileWriteError);
    EXPECT_EQ(fs::status(store).permissions(), readOnly);
    expectContainer(oldDoc);
}

TEST(AbandonedTemporaries, OnlyTheTargetsOwnTemporariesWhoseWriterIsGoneAreRemoved) {
    TempFolder t;
    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".MainReport.wlb.tmp-abcdefghij", ".MainReport.wlb.tmp-lockedxxxx", ".MainReport.wlb.tmp-youngxxxxx",
                             ".bookmark.wlb.tmp-abcdefghij", ".MainReport.wlb.tmp-short"}) {
        writeFile(t / name, "x");
        if (std::string(name).find("young") == std::string::npos) fs::last_write_time(t / name, longAgo);
    }
    // A writer still at work holds its temporary locked.
    const int held = ::open((t / ".MainReport.wlb.tmp-lockedxxxx").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    writeFile(t / "MainReport.wlb", "kept");
    removeAbandonedTemporaries(t / "MainReport.wlb");
    ::close(held);
    EXPECT_FALSE(fs::exists(t / ".MainReport.wlb.tmp-abcdefghij"));
    for (const char* kept : {".MainReport.wlb.tmp-lockedxxxx", ".MainReport.wlb.tmp-youngxxxxx", ".bookmark.wlb.tmp-abcdefghij",
                             ".MainReport.wlb.tmp-short"})
        EXPECT_TRUE(fs::exists(t / kept)) << kept;
    EXPECT_EQ(readFile(t / "MainReport.wlb"), "kept");
}

// A file that arrives in pieces replaces the old one only on commit.
TEST(AtomicFileWriterTest, PiecesReplaceTheFileOnlyOnCommit) {
    TempFolder t;
    const fs::path target = t / "patch.zip";
    writeFile(target, "old");
    const auto entries = [&t] { return std::distance(fs::directory_iterator(t.path()), fs::directory_iterator()); };
    {
        AtomicFileWriter abandoned(target);
        abandoned.append("new ");
        EXPECT_TRUE(fs::exists(abandoned.temporary()));
        EXPECT_EQ(readFile(target), "old");
    }
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(entries(), 1) << "the abandoned temporary is removed";

    AtomicFileWriter writer(target);
    writer.append("new ");
    writer.append(std::string(300 * 1024, 'x'));
    EXPECT_EQ(readFile(writer.temporary()).substr(0, 4), "new ");
    writer.commit();
    EXPECT_EQ(readFile(target), "new " + std::string(300 * 1024, 'x'));
    EXPECT_EQ(entries(), 1);
    EXPECT_THROW(writer.append("late"), FileWriteError);
}
