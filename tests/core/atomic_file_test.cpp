#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/data_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace examsim;
using namespace examsim::test;

namespace {

std::size_t entriesIn(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

struct HookReset {
    ~HookReset() { setWriteFaultHook({}); }
};

}  // namespace

class AtomicReplace : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.paths.setFolder(t.path());
        std::filesystem::create_directories(t / "Database");
        ASSERT_TRUE(parseXml(oldDoc, "<history><r n=\"1\"/></history>"));
        ASSERT_TRUE(parseXml(newDoc, "<history><r n=\"1\"/><r n=\"2\"/></history>"));
        saveDataDocument(ctx, oldDoc, "MainReport");
    }
    void expectOldContainer() {
        pugi::xml_document back;
        ASSERT_TRUE(loadDataDocument(ctx, "MainReport", back));
        EXPECT_EQ(xmlText(back), xmlText(oldDoc));
        EXPECT_EQ(entriesIn(t / "Database"), 1u) << "a temporary file was left behind";
    }
    TempFolder t;
    AppContext ctx;
    pugi::xml_document oldDoc, newDoc;
    HookReset reset;
};

TEST_F(AtomicReplace, AFailureAtAnyStepKeepsTheOldContainer) {
    for (const char* step : {"open", "write", "sync", "rename"}) {
        SCOPED_TRACE(step);
        setWriteFaultHook([step](std::string_view s) { return s != step; });
        EXPECT_THROW(saveDataDocument(ctx, newDoc, "MainReport"), FileWriteError);
        setWriteFaultHook({});
        expectOldContainer();
    }
}

TEST_F(AtomicReplace, AWriteThatFailsHalfWayKeepsTheOldContainer) {
    int writes = 0;
    // The first chunk goes through, the next one fails as on a full disk.
    setWriteFaultHook([&](std::string_view s) { return s != "write" || writes++ == 0; });
    std::string big(1 << 20, 'x');
    EXPECT_THROW(writeFileAtomically(t / "Database" / "MainReport.wlb", big), FileWriteError);
    setWriteFaultHook({});
    EXPECT_EQ(writes, 2);
    expectOldContainer();
}

TEST_F(AtomicReplace, AReadOnlyFolderKeepsTheOldContainer) {
    if (::geteuid() == 0) {
        // root writes into read-only folders; the injected failures above cover it.
        GTEST_SKIP() << "permissions do not bind root";
    }
    std::filesystem::permissions(t / "Database", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(saveDataDocument(ctx, newDoc, "MainReport"), FileWriteError);
    std::filesystem::permissions(t / "Database", std::filesystem::perms::owner_all);
    expectOldContainer();
}

TEST_F(AtomicReplace, ASuccessfulSaveReplacesAndLeavesNoTemporaryFile) {
    saveDataDocument(ctx, newDoc, "MainReport");
    pugi::xml_document back;
    ASSERT_TRUE(loadDataDocument(ctx, "MainReport", back));
    EXPECT_EQ(xmlText(back), xmlText(newDoc));
    EXPECT_EQ(entriesIn(t / "Database"), 1u);
}
