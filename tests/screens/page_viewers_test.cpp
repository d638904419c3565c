#include "mode_fixture.h"
#include "screens/browser_viewer.h"
#include "screens/print_viewer.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class Viewers : public ContextFixture {
protected:
    ModeScreens screens;
};

}  // namespace

TEST_F(Viewers, TheHtmlViewerShowsAPlainCopyOnlyUntilTheBrowserHasReadIt) {
    writeEnciphered(ctx, t / "Database" / "QuickRevision.wlb", "<p>notes \xE2\x80\x93 one</p>");
    frmBrowser viewer(ctx, &screens);
    viewer.documentPath = t / "Database" / "QuickRevision.wlb";
    viewer.caption = "Quick Revision Notes";
    const auto page = viewer.load();
    ASSERT_TRUE(page);
    EXPECT_EQ(*page, t / "Database" / "htmlfile.html");
    EXPECT_EQ(readFile(*page), "<p>notes \x96 one</p>");
    EXPECT_TRUE(viewer.printHintApplies());
    viewer.pageLoaded();
    EXPECT_FALSE(std::filesystem::exists(*page));
    EXPECT_TRUE(std::filesystem::exists(viewer.documentPath)) << "kept without the delete-after flag";
    viewer.unload();
    EXPECT_EQ(screens.log, (std::vector<std::string>{"show"}));

    // A plain printable report: shown as it is, deleted once read, and no mode screen after.
    writeFile(currentTestFilePath(ctx), "<Test/>");
    frmBrowser report(ctx, &screens);
    report.documentPath = currentTestFilePath(ctx);
    report.deleteAfter = true;
    report.caption = frmBrowser::kPrintReport;
    ASSERT_TRUE(report.load());
    EXPECT_EQ(readFile(report.plainPage()), "<Test/>");
    report.unload();
    EXPECT_FALSE(std::filesystem::exists(report.plainPage())) << "gone even when the page never finished loading";
    EXPECT_TRUE(std::filesystem::exists(currentTestFilePath(ctx))) << "the browser never read it";
    report.pageLoaded();
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
    EXPECT_EQ(screens.log.size(), 1u);
}

TEST_F(Viewers, PrintHintsFollowTheDocumentAndMissingDocumentsAreSaid) {
    writeEnciphered(ctx, t / "Database" / "TTips.wlb", "<p>tips</p>");
    frmBrowser tips(ctx, nullptr);
    tips.documentPath = t / "Database" / "TTips.wlb";
    ASSERT_TRUE(tips.load());
    EXPECT_FALSE(tips.printHintApplies());
    tips.unload();

    frmPrint print(ctx);
    print.documentPath = t / "Database" / "PDU.html";
    EXPECT_FALSE(print.load());
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "This page is not part of the product: PDU.html");
    writeFile(print.documentPath, "<p>PDU</p>");
    EXPECT_EQ(print.load(), print.documentPath);
    EXPECT_FALSE(print.printHintApplies());
    print.documentPath = currentTestFilePath(ctx);
    writeFile(print.documentPath, "<Test/>");
    print.load();
    EXPECT_TRUE(print.printHintApplies()) << "the printable report";

    ctx.catalogue["rc4"] = "Print?";
    host.messages.shown.clear();
    host.messages.answers = {msg::No, msg::Yes};
    EXPECT_FALSE(print.confirmPrint());
    EXPECT_TRUE(print.confirmPrint());
    EXPECT_EQ(host.messages.shown[0].title, "Print");
    EXPECT_EQ(host.messages.shown[0].style, msg::YesNo);
    print.showPrintHint();
    EXPECT_EQ(host.messages.shown[2].text, PageViewer::kPrintHint);
}
