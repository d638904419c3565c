#include "core/product_config.h"
#include "core/xml.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

class Product : public ContextFixture {};

// Each key against its own value and an empty product: the Settings tests.
TEST_F(Product, LoadingReadsTheSkuAndNoKeyFailsOnAnEmptyDocument) {
    writeDataText(ctx, "Product", "<product><sku>NE-100</sku><validate>1</validate></product>");
    loadProductDocument(ctx);
    EXPECT_EQ(ctx.sku, "NE-100");
    EXPECT_EQ(ctx.validateValue, "1");
    EXPECT_TRUE(productNode(ctx, productkey::Product));  // the root itself
    ctx.productDoc.reset();
    for (const char* key : productkey::kAll) EXPECT_FALSE(productNode(ctx, key)) << key;
}

TEST_F(Product, RootKeysAreFoundOnlyUnderTheRootAndSlashKeysTakeTheFirstMatch) {
    parseXml(ctx.productDoc, R"(<product><limits><no_of_max_reports>9</no_of_max_reports></limits>
      <a><sku>first</sku></a><sku>second</sku></product>)");
    EXPECT_EQ(productText(ctx, productkey::RootMaxReports), "");
    EXPECT_EQ(productText(ctx, productkey::Sku), "first");
    parseXml(ctx.productDoc, "<product><no_of_max_reports>9</no_of_max_reports></product>");
    EXPECT_EQ(productText(ctx, productkey::RootMaxReports), "9");
}

TEST_F(Product, AnUnparsableOrAbsurdlyNestedProductFileShowsQe7AndLeavesItEmpty) {
    ctx.catalogue["qe7"] = "The product file is damaged.";
    // About a megabyte of nesting in the product name.
    std::string deep;
    for (int i = 0; i < 150000; ++i) deep += "<b>";
    deep += "name";
    for (int i = 0; i < 150000; ++i) deep += "</b>";
    for (const std::string& text : {std::string("<product><sku>x</sku>"),
                                    "<product><sku>x</sku><product-name>" + deep + "</product-name></product>"}) {
        host.messages.shown.clear();
        writeDataText(ctx, "Product", text);
        loadProductDocument(ctx);
        ASSERT_EQ(host.messages.shown.size(), 1u) << text.substr(0, 40);
        EXPECT_EQ(host.messages.shown[0].text, "The product file is damaged.");
        EXPECT_EQ(ctx.sku, "");
        EXPECT_EQ(productText(ctx, productkey::ProductName), "");
    }
}
