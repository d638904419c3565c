#include "core/product_config.h"
#include "core/xml.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

namespace {

// One element for every key, each with a text and a `uri`, so every key reads non-empty.
const char* kFullProduct = R"(<product>
  <sku>NE-100</sku><validate>1</validate><version_code>1.0.0</version_code><version_type>Full</version_type>
  <product-name>Network Essentials</product-name><full_version_name>NE Full</full_version_name>
  <utp uri="u">utp</utp><live_update checkUpdate="True">http://x/</live_update><help uri="Help">h</help>
  <screen name="about"><company_link uri="c">c</company_link></screen>
  <modes><mode name="learningmode">Learning</mode></modes><examinstruction show="true">i</examinstruction>
  <test_instructions><p>Read</p></test_instructions><objectives><objective name="A">A</objective></objectives>
  <testmonials>good</testmonials><tool_tips_texts><t name="tipofToday" uri="u">tips.html</t></tool_tips_texts>
  <quick_revision_notes uri="q">qrn.html</quick_revision_notes><tips_n_tricks uri="t">tnt.html</tips_n_tricks>
  <online_training><head>Training</head></online_training><online-resource uri="o">o</online-resource>
  <online-resources uri="o">o</online-resources><forum_link uri="f">f</forum_link>
  <on_line_synchronization_link>s</on_line_synchronization_link>
  <reports><test_result_analysis min_marks="0" max_marks="100">ok</test_result_analysis>
    <test_pass_percentage>70</test_pass_percentage></reports>
  <no_of_max_reports>3</no_of_max_reports>
</product>)";

}  // namespace

class Product : public ContextFixture {};

TEST_F(Product, EveryKeyReadsFromAFullProductAndNoneFailsOnAnEmptyOne) {
    writeDataText(ctx, "Product", kFullProduct);
    loadProductDocument(ctx);
    EXPECT_EQ(ctx.sku, "NE-100");
    EXPECT_EQ(ctx.validateValue, "1");
    for (const char* key : productkey::kAll) EXPECT_NE(productText(ctx, key), "") << key;
    EXPECT_EQ(productAttribute(ctx, productkey::LiveUpdate, "checkUpdate"), "True");
    EXPECT_EQ(productText(ctx, productkey::PassPercentage), "70");

    parseXml(ctx.productDoc, "<product/>");
    for (const char* key : productkey::kAll) {
        EXPECT_EQ(productText(ctx, key), "") << key;
        EXPECT_EQ(productAttribute(ctx, key, "uri"), "") << key;
    }
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
