#include "core/product_settings.h"
#include "core/xml.h"
#include "support/context_fixture.h"

#include <cstdlib>
#include <functional>

using namespace examsim;
using namespace examsim::test;

namespace {

std::string flat(const ProductPage& p) { return p.folder.empty() && p.file.empty() ? "" : p.folder + "|" + p.file; }

// Every setting, read as one text; each row with its value in kDistinct below.
struct Setting {
    const char* name;
    std::function<std::string(const ProductSettings&)> read;
    const char* distinct;
};

const Setting kSettings[] = {
    {"sku", [](const ProductSettings& s) { return s.sku(); }, "SKU-1"},
    {"validate", [](const ProductSettings& s) { return s.validate(); }, "V"},
    {"versionCode", [](const ProductSettings& s) { return s.versionCode(); }, "9.8"},
    {"versionType", [](const ProductSettings& s) { return s.versionType(); }, "Trial"},
    {"productName", [](const ProductSettings& s) { return s.productName(); }, "Routing"},
    {"fullVersionName", [](const ProductSettings& s) { return s.fullVersionName(); }, "Routing Full"},
    {"utpLink", [](const ProductSettings& s) { return s.utpLink(); }, "https://u/"},
    {"liveUpdateAddress", [](const ProductSettings& s) { return s.liveUpdateAddress(); }, "http://up/"},
    {"checkUpdate", [](const ProductSettings& s) { return s.checkUpdate(); }, "False"},
    {"helpFolder", [](const ProductSettings& s) { return s.helpFolder(); }, "HelpDir"},
    {"aboutCompanyLink", [](const ProductSettings& s) { return s.aboutCompanyLink(); }, "https://c/"},
    {"aboutSupportAddress", [](const ProductSettings& s) { return s.aboutSupportAddress(); }, "s@x"},
    {"screen(comparefeature)", [](const ProductSettings& s) { return xmlText(s.screen("comparefeature")); },
     "<screen name=\"comparefeature\"><feature>All</feature></screen>"},
    {"learningModeLabel", [](const ProductSettings& s) { return s.learningModeLabel(); }, "Learn"},
    {"certificationModeLabel", [](const ProductSettings& s) { return s.certificationModeLabel(); }, "Certify"},
    {"interactiveQuizLabel", [](const ProductSettings& s) { return s.interactiveQuizLabel(); }, "Quiz"},
    {"showExamInstructions", [](const ProductSettings& s) { return s.showExamInstructions() ? "true" : ""; }, "true"},
    {"testInstructions", [](const ProductSettings& s) { return flat(s.testInstructions()); }, "Db|ins.html"},
    {"objectives", [](const ProductSettings& s) { return xmlText(s.objectives()); },
     "<objectives><objective name=\"A\">A</objective></objectives>"},
    {"testimonials", [](const ProductSettings& s) { return s.testimonials(); }, "Good"},
    {"toolTips",
     [](const ProductSettings& s) {
         std::string names;
         for (pugi::xml_node entry : s.toolTips().children()) names += entry.attribute("name").value() + std::string(";");
         return names;
     },
     "mymentor;examinformation;simulatorfeature;tipofToday;"},
    {"mentorAddress", [](const ProductSettings& s) { return s.mentorAddress(); }, "m@x"},
    {"examInformationPage", [](const ProductSettings& s) { return flat(s.examInformationPage()); }, "Db|info.html"},
    {"simulatorFeature", [](const ProductSettings& s) { return flat(s.simulatorFeature()); }, "|Features"},
    {"tipOfToday", [](const ProductSettings& s) { return flat(s.tipOfToday()); }, "Db|tips.wlb"},
    {"quickRevisionNotes", [](const ProductSettings& s) { return flat(s.quickRevisionNotes()); }, "Q|qrn.wlb"},
    {"rootQuickRevisionNotes", [](const ProductSettings& s) { return flat(s.rootQuickRevisionNotes().value_or(ProductPage{})); },
     "Q|qrn.wlb"},
    {"tipsNTricks", [](const ProductSettings& s) { return flat(s.tipsNTricks()); }, "T|tnt.wlb"},
    {"onlineTrainingHead", [](const ProductSettings& s) { return s.onlineTrainingHead(); }, "Training"},
    {"onlineResourceLink", [](const ProductSettings& s) { return s.onlineResourceLink(); }, "https://r/"},
    {"onlineResources", [](const ProductSettings& s) { return flat(s.onlineResources()); }, "R|res.html"},
    {"forumLink", [](const ProductSettings& s) { return s.forumLink(); }, "https://forum/"},
    {"onlineSynchronizationLink", [](const ProductSettings& s) { return s.onlineSynchronizationLink(); }, "https://sync/"},
    {"passPercentage", [](const ProductSettings& s) { return s.passPercentage(); }, "65"},
    {"rootPassPercentage", [](const ProductSettings& s) { return s.rootPassPercentage(); }, "65"},
    {"resultAnalysis",
     [](const ProductSettings& s) {
         std::string all;
         for (const ResultBand& b : s.resultAnalysis()) all += b.minMarks + "-" + b.maxMarks + ":" + b.text + ";";
         return all;
     },
     "0-64:Study;65-100:Ready;"},
    {"maxReports", [](const ProductSettings& s) { return s.maxReports(); }, "4"},
};

// Each key with its own value, so a setting that reads the wrong key shows.
const char* kDistinct = R"(<product>
  <sku>SKU-1</sku><validate>V</validate><version_code>9.8</version_code><version_type>Trial</version_type>
  <product-name>Routing</product-name><full_version_name>Routing Full</full_version_name>
  <utp uri="https://u/"/><live_update checkUpdate="False">http://up/</live_update><help uri="HelpDir"/>
  <screen name="about"><company_link uri="https://c/"/><email_text uri="s@x"/></screen>
  <screen name="comparefeature"><feature>All</feature></screen>
  <modes><mode name="learningmode">Learn</mode><mode name="certificationmode">Certify</mode><mode name="interactivequiz">Quiz</mode></modes>
  <examinstruction show="true"/><test_instructions uri="Db">ins.html</test_instructions>
  <objectives><objective name="A">A</objective></objectives><testmonials>Good</testmonials>
  <tool_tips_texts><tool_tip name="mymentor" uri="">m@x</tool_tip><tool_tip name="examinformation" uri="Db">info.html</tool_tip>
    <tool_tip name="simulatorfeature" uri="">Features</tool_tip><tool_tip name="tipofToday" uri="Db">tips.wlb</tool_tip></tool_tips_texts>
  <quick_revision_notes uri="Q">qrn.wlb</quick_revision_notes><tips_n_tricks uri="T">tnt.wlb</tips_n_tricks>
  <online_training><head>Training</head></online_training><online-resource>https://r/</online-resource>
  <online-resources uri="R">res.html</online-resources><forum_link uri="https://forum/">https://forum/</forum_link>
  <on_line_synchronization_link>https://sync/</on_line_synchronization_link>
  <reports><test_pass_percentage>65</test_pass_percentage>
    <test_result_analysis min_marks="0" max_marks="64">Study</test_result_analysis>
    <test_result_analysis min_marks="65" max_marks="100">Ready</test_result_analysis></reports>
  <no_of_max_reports>4</no_of_max_reports>
</product>)";

class Settings : public ContextFixture {};

}  // namespace

TEST_F(Settings, EachSettingReadsItsOwnKey) {
    parseXml(ctx.productDoc, kDistinct);
    const ProductSettings s(ctx);
    for (const Setting& row : kSettings) EXPECT_EQ(row.read(s), row.distinct) << row.name;
}

TEST_F(Settings, TheSampleProductHasEverySetting) {
    const char* source = std::getenv("EXAMSIM_SOURCE_DIR");
    ASSERT_TRUE(parseXml(ctx.productDoc, readFile(std::filesystem::path(source ? source : ".") / "product" / "data" / "Product.xml")));
    const ProductSettings s(ctx);
    for (const Setting& row : kSettings) EXPECT_NE(row.read(s), "") << row.name;
}

TEST_F(Settings, AProductWithoutKeysReadsEmptyTexts) {
    for (const char* product : {"<product/>", "<product><modes/><tool_tips_texts/><screen name='about'/><reports/></product>", ""}) {
        parseXml(ctx.productDoc, product);
        const std::string before = xmlText(ctx.productDoc);
        const ProductSettings s(ctx);
        for (const Setting& row : kSettings) EXPECT_EQ(row.read(s), "") << row.name << " of " << product;
        EXPECT_FALSE(s.rootQuickRevisionNotes()) << product;
        EXPECT_FALSE(setShowExamInstructions(ctx, false)) << product;
        EXPECT_EQ(xmlText(ctx.productDoc), before) << "nothing added to " << product;
    }
}

// Walks keep the last entry of a name; the root's own entries count only
// under the root; the choice is written where the key is.
TEST_F(Settings, NamedEntriesRootEntriesAndTheInstructionChoice) {
    parseXml(ctx.productDoc, R"(<product><notes><quick_revision_notes uri="N">nested.wlb</quick_revision_notes></notes>
      <tool_tips_texts><tool_tip name="mymentor">first@x</tool_tip><tool_tip name="mymentor">last@x</tool_tip></tool_tips_texts>
      <modes><mode name="learningmode">One</mode><mode name="learningmode">Two</mode></modes>
      <screen name="about"><email_text uri="a@x"/><email_text uri="b@x"/></screen><screen name="about"><email_text uri="c@x"/></screen>
      <examinstruction/></product>)");
    const ProductSettings s(ctx);
    EXPECT_EQ(s.mentorAddress(), "last@x");
    EXPECT_EQ(s.learningModeLabel(), "Two");
    EXPECT_EQ(s.aboutSupportAddress(), "b@x");
    EXPECT_EQ(flat(s.quickRevisionNotes()), "N|nested.wlb");
    EXPECT_FALSE(s.rootQuickRevisionNotes());

    EXPECT_FALSE(s.showExamInstructions());
    for (bool show : {true, false, true}) {
        ASSERT_TRUE(setShowExamInstructions(ctx, show));
        EXPECT_EQ(s.showExamInstructions(), show);
    }
    EXPECT_EQ(xmlText(ctx.productDoc.child("product").child("examinstruction")), "<examinstruction show=\"true\"/>");
}
