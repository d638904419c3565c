// `examsim-pack check`: the sample product passes, and each rule catches a
// copy broken in the way it guards against.
#include "product_check_support.h"

#include "bank/adaptive_tests.h"
#include "bank/answers.h"
#include "core/app_context.h"
#include "core/xml.h"
#include "support/fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

using Edit = std::function<void(const fs::path& copy)>;

Edit text(std::string file, std::string from, std::string to) {
    return [=](const fs::path& copy) {
        std::string content = readFile(copy / file);
        const auto at = content.find(from);
        ASSERT_NE(at, std::string::npos) << file << " holds no \"" << from << "\"";
        writeFile(copy / file, content.replace(at, from.size(), to));
    };
}
// Every occurrence in the data files and the pages (an objective renamed throughout).
Edit everywhere(std::string from, std::string to) {
    return [=](const fs::path& copy) {
        for (const char* sub : {"data", "pages"})
            for (const auto& e : fs::directory_iterator(copy / sub)) {
                std::string content = readFile(e.path());
                for (std::size_t at = 0; (at = content.find(from, at)) != std::string::npos; at += to.size())
                    content.replace(at, from.size(), to);
                writeFile(e.path(), content);
            }
    };
}
Edit removeFile(std::string file) {
    return [=](const fs::path& copy) { EXPECT_TRUE(fs::remove(copy / file)) << file; };
}
// Changes data/<doc>.xml in place.
Edit onData(std::string doc, std::function<void(pugi::xml_document&)> edit) {
    return [=](const fs::path& copy) {
        const fs::path file = copy / "data" / (doc + ".xml");
        pugi::xml_document d;
        ASSERT_TRUE(parseXml(d, readFile(file))) << file;
        edit(d);
        ASSERT_TRUE(d.save_file(file.c_str(), "  ", pugi::format_default, pugi::encoding_utf8));
    };
}
pugi::xpath_node_set selectSome(pugi::xml_document& d, const std::string& xpath) {
    const auto nodes = d.select_nodes(xpath.c_str());
    EXPECT_FALSE(nodes.empty()) << xpath;
    return nodes;
}
// Sets the attribute (with `attr` empty: the text) of every node `xpath` selects in data/<doc>.xml.
Edit set(std::string doc, std::string xpath, std::string attr, std::string value) {
    return onData(doc, [=](auto& d) {
        for (const auto& n : selectSome(d, xpath))
            EXPECT_TRUE(attr.empty() ? n.node().text().set(value.c_str())
                                     : n.node().attribute(attr.c_str()).set_value(value.c_str())) << xpath;
    });
}
// Removes every node or attribute the paths select.
Edit drop(std::string doc, std::vector<std::string> xpaths) {
    return onData(doc, [=](auto& d) {
        for (const auto& xpath : xpaths)
            for (const auto& n : selectSome(d, xpath))
                n.attribute() ? n.parent().remove_attribute(n.attribute()) : n.node().parent().remove_child(n.node());
    });
}

// The rules report "file: element: message".
struct Breakage {
    const char* name;
    std::vector<Edit> edits;
    std::vector<std::string> findings;  // none: the copy passes
    std::string absent{};
};
void PrintTo(const Breakage& b, std::ostream* os) { *os << b.name; }

const std::string kBank = "data/QuestionBank.xml";
const std::string kFinal = "data/QuestionBank.xml: QuestionBank/Test[@name='Final']/";
const std::string kQuiz = "data/Quiz.xml: QuestionBank/Test[@name='Quiz']";

const std::vector<Breakage> kBreakages = {
    {"GeneratedQuestionsPass", {}, {}},
    // Ids of the grid page are made of the names, written as HTML writes them.
    {"ObjectiveNamesWithAnyCharacterPass",
     {everywhere("Network Models and Media", "Models &amp; Media"), everywhere("Network Security", "Learner's Security"),
      everywhere("Wireless and Wide Area Networks", "Wireless \xE2\x80\x93 Wide Area")},
     {}},
    {"UnparsableDataFile", {text("data/System.xml", "</SystemMessages>", "</SystemMessage>")}, {"data/System.xml: line "}},
    {"QuestionIdsAreUnique",
     {text(kBank, "questionId=\"Final-6\"", "questionId=\"Diagnostic-6\""),
      text("data/Quiz.xml", "questionId=\"Q-1\"", "questionId=\"Diagnostic-5\"")},
     {kFinal + "item[@questionId='Diagnostic-6']: questionId \"Diagnostic-6\" is already used",
      kQuiz + "/item[@questionId='Diagnostic-5']"}},
    {"EveryQuestionHasOneAnswerAndEveryAnswerAQuestion",
     {text("data/Answers.xml", "<Ans quid=\"Final-5\">B</Ans>", ""),
      text("data/Answers.xml", "</Answers>", "<Ans quid=\"Final-6\">B</Ans><Ans quid=\"NO-SUCH\"/></Answers>")},
     {kFinal + "item[@questionId='Final-5']: question has no answer",
      "data/Answers.xml: Answers/Ans[@quid='Final-6']: second answer for question \"Final-6\"",
      "data/Answers.xml: Answers/Ans[@quid='NO-SUCH']: answer for \"NO-SUCH\", which is no question"}},
    {"AnswersInBankOrder",
     {text("data/Answers.xml", "<Answers><Ans quid=\"Diagnostic-0\"><c>A</c><c>C</c></Ans>", "<Answers>"),
      text("data/Answers.xml", "</Answers>", "<Ans quid=\"Diagnostic-0\"><c>A</c><c>C</c></Ans></Answers>")},
     {"data/Answers.xml: Answers/Ans[@quid='Diagnostic-0']: answers are not in bank order from here on"}},
    {"AnswersNameExistingOptions",
     {set("Answers", "//Ans[@quid='Final-5']", "", "E"), set("Answers", "//Ans[@quid='Final-0']/c[2]", "", "D")},
     {"data/Answers.xml: Answers/Ans[@quid='Final-5']: names option \"E\"",
      "data/Answers.xml: Answers/Ans[@quid='Final-0']: names option \"D\", which the question does not have"}},
    {"QuizCorrectMarksAndJudgingDataAreComplete",
     {set("Quiz", "//item[@questionId='Q-2']/responses/response[last()]", "correct", "true"),
      set("QuestionBank", "//item[@questionId='Final-2']/targets/target", "answer", "Z"),
      set("QuestionBank", "//item[@questionId='Final-4']/hotspots/hotspot[2]", "correct", "false")},
     {kQuiz + "/item[@questionId='Q-2']: a single-choice quiz question needs exactly one correct option",
      "target[@name='T1']: target names tile \"Z\"",
      "item[@questionId='Final-4']: a multiple hot-spot question needs two or more correct hot spots"}},
    // Q-0 is the quiz's only question on its objective.
    {"TopicsAndCategoriesAreProductObjectives",
     {set("QuestionBank", "//item[@questionId='Final-6']", "category", "Cabling Basics"),
      set("Quiz", "//item[@questionId='Q-0']", "topic", "Network Security ")},
     {"item[@questionId='Final-6']: category \"Cabling Basics\" is not a product objective",
      kQuiz + "/item[@questionId='Q-0']: topic \"Network Security \"",
      kQuiz + ": has no question on objective \"Network Models and Media\""}},
    // The history reads an objective's name from its attribute; the text is only shown.
    {"ObjectivesNamedOnlyByAttributePass", {set("Product", "//objective", "", "")}, {}},
    {"ObjectiveWithoutANameAttribute",
     {drop("Product", {"//objective[1]/@name"})},
     {"data/Product.xml: product/objectives/objective[1]: an objective needs its name in the attribute name",
      "category \"Network Models and Media\" is not a product objective"}},
    {"CustomFileAndGridPageMatchTheObjectives",
     {drop("custom", {"/custom/objective[last()]"}), set("custom", "/custom/objective[1]", "Expert", "2"),
      text("pages/pGrid.html", "id=\"Network Security_obj_2\"", "id=\"Network Security_obj_two\""),
      text("pages/pGrid.html", "id=\"chk_adaptive\"", "id=\"adaptive\"")},
     {"data/custom.xml: custom: objective \"Troubleshooting and Tools\" is missing",
      "data/custom.xml: custom/objective[1]: attribute Expert must be \"0\"",
      "pages/pGrid.html: #Network Security_obj_2: list is missing", "pages/pGrid.html: #chk_adaptive: control is missing"}},
    {"GridPageOffersNoMoreQuestionsThanThePracticeTestsHold",
     {set("QuestionBank", "//Test[@test_type='PracticeTest']/item[@topic='Network Services'][@level='Expert']", "level",
          "Intermediate")},
     {"pages/pGrid.html: #Network Services_obj_1: offers up to"}},
    {"PracticeTestsAreRecognisedAlikeByNameAndType",
     {drop("QuestionBank", {"//Test[@name='Practice 3']/@test_type"}),
      set("QuestionBank", "//Test[@name='Diagnostic']", "name", "Final")},
     {"QuestionBank/Test[@name='Practice 3']: a practice test needs test_type=\"PracticeTest\"",
      "a second test of this name is never found"}},
    {"EveryMessageCodeIsInItsSection",
     {drop("System", {"//QuestionBankMessages/Information/Message[@CODE='qi16']"}),
      drop("System", {"//Message[@CODE='rc4']"}), set("System", "//ReportMessages/Information/Message[1]", "CODE", "rc4")},
     {"data/System.xml: System/QuestionBankMessages/Information: message qi16 is missing",
      "data/System.xml: System/ReportMessages/Information: message rc4 belongs in ReportMessages/Confirmation"}},
    {"AnOptionalMessageCodeMayBeLeftOutButNotMisplaced",
     {drop("System", {"//Message[@CODE='qi24']"}), set("System", "//SystemMessages/Information/Message[1]", "CODE", "qi24")},
     {"data/System.xml: System/SystemMessages/Information: message qi24 belongs in QuestionBankMessages/Information"}},
    {"AnOptionalMessageCodeLeftOut", {drop("System", {"//Message[@CODE='qi24']"})}, {}, "qi24"},
    {"DuplicateMessageCodes",
     {set("System", "//SystemMessages/Information/Message[1]", "CODE", "ri7")},
     {"System/ReportMessages/Information/Message[@CODE='ri7']: code \"ri7\" is already in SystemMessages/Information"}},
    {"EveryProductKeyIsPresent",
     {drop("Product", {"/*/forum_link", "/*/no_of_max_reports", "/*/help/@uri", "/*/modes/*[@name='interactivequiz']"}),
      set("Product", "/*/examinstruction", "show", "yes")},
     {"data/Product.xml: //forum_link: key is missing", "data/Product.xml: product/no_of_max_reports: key is missing",
      "data/Product.xml: //help: attribute uri is missing", "data/Product.xml: modes: no label for mode \"interactivequiz\"",
      "data/Product.xml: //examinstruction: show must be \"true\" or \"false\""}},
    {"ResultBandsCoverEveryPercentage",
     {set("Product", "//test_result_analysis[@min_marks='70']", "min_marks", "72"),
      set("Product", "//test_result_analysis[@min_marks='85']", "max_marks", "99")},
     {"data/Product.xml: product/reports: no result-analysis band covers 70 to 71 percent",
      "data/Product.xml: product/reports: no result-analysis band covers 100 percent"}},
    // The program counts bands by the child nodes of reports.
    {"ReportsHoldOnlyThePassPercentageAndTheBands",
     {text("data/Product.xml", "<test_pass_percentage>70</test_pass_percentage>",
           "<!-- pass mark --><test_pass_percentage>170</test_pass_percentage>")},
     {"product/reports: holds a node other than test_pass_percentage and test_result_analysis",
      "product/reports/test_pass_percentage: must be a whole percentage from 0 to 100"}},
    {"ReferencedPagesExist",
     {removeFile("files/Database/PDU.html"), removeFile("pages/TipsNTricks.html"),
      set("Product", "//tool_tips_texts/*[@name='examinformation']", "", "exam-info.html")},
     {"(program): Database/PDU.html: refers to \"Database/PDU.html\"",
      "data/Product.xml: product/tips_n_tricks: refers to \"Database/TipsNTricks.wlb\"",
      "data/Product.xml: tool_tips_texts/*[@name='examinformation']: refers to \"Database/exam-info.html\""}},
    // A plain copy in files/ is not enough: the viewer deciphers what it opens.
    {"PagesTheHtmlViewerOpensAreEnciphered",
     {removeFile("pages/QuickRevision.html"),
      [](const fs::path& copy) { writeFile(copy / "files/Database/QuickRevision.wlb", "<html></html>"); }},
     {"product/quick_revision_notes: \"Database/QuickRevision.wlb\" is opened by the HTML viewer"}},
    {"ReferencedPicturesAndPageLinksExist",
     {removeFile("files/Database/images/synthetic.svg"),
      text("files/Database/resources.html", "href=\"PDU.html\"", "href=\"pdu.html\""),
      text("files/training.html", "</main>", "<img src=\"https://example.com/logo.png\"></main>")},
     {kFinal + "item[@questionId='Final-2']/resource[@name='questionimage']: refers to \"Database/images/synthetic.svg\"",
      "files/Database/resources.html: pdu.html: refers to \"Database/pdu.html\"",
      "files/training.html: https://example.com/logo.png: a page must not load anything from the network"}},
    {"HelpTopicsExistAndAreCompiledIn",
     {text("help/Help.hhp", "[FILES]\nusing__vostrane_exam_simulator.htm\n", "[FILES]\n"),
      removeFile("help/question_types.htm")},
     {"help/Help.hhp: [FILES]: must list using__vostrane_exam_simulator.htm",
      "help/Help.hhp: [FILES] question_types.htm: topic file is missing",
      "help/scoring_and_reports.htm: question_types.htm: link to a missing file"}},
};

class ProductCheckRule : public ::testing::TestWithParam<Breakage> {};

}  // namespace

TEST(ProductCheck, SampleProductHasNoFindings) {
    const PackRun run = runPack("check", {sourceProduct()});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("no findings"));
}

TEST_P(ProductCheckRule, ReportsTheBrokenCopy) {
    const Breakage& b = GetParam();
    ProductCopy copy;
    for (const auto& edit : b.edits) edit(copy.path());
    const PackRun run = runPack("check", {copy.path()});
    EXPECT_EQ(run.status, b.findings.empty() ? 0 : 1) << run.output;
    for (const auto& finding : b.findings) EXPECT_THAT(run.output, HasSubstr(finding));
    if (!b.absent.empty()) {
        EXPECT_THAT(run.output, Not(HasSubstr(b.absent)));
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, ProductCheckRule, ::testing::ValuesIn(kBreakages),
                         [](const auto& info) { return std::string(info.param.name); });

// The smallest practice pool a random adaptive test is drawn from: a level that
// holds exactly its share of 35 questions passes the check and the builder
// takes it; one question less is reported by the one and refused by the other.
TEST(ProductCheck, AdaptiveMinimumAgreesWithTheBuilder) {
    struct Case {
        std::string level;
        int held;
        const char* movedTo;
        bool enough;
    };
    for (const Case& c : {Case{"Beginner", 10, "Expert", true}, Case{"Beginner", 9, "Expert", false},
                          Case{"Intermediate", 15, "Beginner", true}, Case{"Intermediate", 14, "Beginner", false},
                          Case{"Expert", 10, "Intermediate", true}, Case{"Expert", 9, "Intermediate", false}}) {
        SCOPED_TRACE(c.level + " " + std::to_string(c.held));
        ProductCopy copy;
        set("QuestionBank",
            "(//Test[@test_type='PracticeTest']/item[@level='" + c.level + "'])[position() > " + std::to_string(c.held) + "]",
            "level", c.movedTo)(copy.path());
        const PackRun run = runPack("check", {copy.path()});
        const std::string finding = "the practice tests hold " + std::to_string(c.held) + " " + c.level + " questions";
        EXPECT_EQ(run.output.find(finding) == std::string::npos, c.enough) << run.output;

        TempFolder app;
        fs::create_directories(app / "Database");
        AppContext ctx;
        FakeHost host;
        ctx.paths.setFolder(app.path());
        host.attach(ctx);
        ASSERT_TRUE(parseXml(ctx.bankDoc, readFile(copy.path() / "data/QuestionBank.xml")));
        ASSERT_TRUE(parseXml(ctx.answerDoc, readFile(copy.path() / "data/Answers.xml")));
        indexAnswers(ctx);
        EXPECT_EQ(buildRandomAdaptiveTest(ctx, 35, 600.0), c.enough);
    }
}
