// `examsim-pack check`: the sample product passes, and each rule catches a
// copy broken in the way it guards against.
#include "product_check_support.h"

#include "core/xml.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The rules report "file: element: message".
void expectFinding(const ProductCopy& copy, const std::string& line) {
    const CheckRun run = runCheck(copy.path());
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_THAT(run.output, HasSubstr(line));
}

pugi::xml_node item(pugi::xml_document& doc, const char* id) {
    return doc.select_node(("//item[@questionId='" + std::string(id) + "']").c_str()).node();
}

}  // namespace

TEST(ProductCheck, SampleProductHasNoFindings) {
    const CheckRun run = runCheck(sourceProduct());
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_THAT(run.output, HasSubstr("no findings"));
}

TEST(ProductCheck, CopyWithGeneratedQuestionsHasNoFindings) {
    ProductCopy copy;
    const CheckRun run = runCheck(copy.path());
    EXPECT_EQ(run.status, 0) << run.output;
}

TEST(ProductCheck, UnparsableDataFileIsReportedWithLineAndColumn) {
    ProductCopy copy;
    copy.replaceText("data/System.xml", "</SystemMessages>", "</SystemMessage>");
    expectFinding(copy, "data/System.xml: line ");
}

TEST(ProductCheck, QuestionIdsAreUnique) {
    ProductCopy copy;
    copy.editData("QuestionBank", [](auto& doc) { item(doc, "Final-6").attribute("questionId") = "Diagnostic-6"; });
    expectFinding(copy, "data/QuestionBank.xml: QuestionBank/Test[@name='Final']/item[@questionId='Diagnostic-6']: "
                        "questionId \"Diagnostic-6\" is already used");
    copy.editData("Quiz", [](auto& doc) { item(doc, "Q-1").attribute("questionId") = "Diagnostic-5"; });
    expectFinding(copy, "data/Quiz.xml: QuestionBank/Test[@name='Quiz']/item[@questionId='Diagnostic-5']");
}

TEST(ProductCheck, EveryQuestionHasExactlyOneAnswerAndEveryAnswerAQuestion) {
    ProductCopy copy;
    copy.editData("Answers", [](auto& doc) {
        auto root = doc.document_element();
        root.remove_child(root.find_child_by_attribute("Ans", "quid", "Final-5"));
        root.append_copy(root.find_child_by_attribute("Ans", "quid", "Final-6"));
        root.append_child("Ans").append_attribute("quid") = "NO-SUCH";
    });
    expectFinding(copy, "data/QuestionBank.xml: QuestionBank/Test[@name='Final']/item[@questionId='Final-5']: "
                        "question has no answer");
    expectFinding(copy, "data/Answers.xml: Answers/Ans[@quid='Final-6']: second answer for question \"Final-6\"");
    expectFinding(copy, "data/Answers.xml: Answers/Ans[@quid='NO-SUCH']: answer for \"NO-SUCH\", which is no question");
}

TEST(ProductCheck, AnswersOutOfBankOrderAreReported) {
    ProductCopy copy;
    copy.editData("Answers", [](auto& doc) {
        auto root = doc.document_element();
        root.append_copy(root.first_child());
        root.remove_child(root.first_child());
    });
    expectFinding(copy, "data/Answers.xml: Answers/Ans[@quid='Diagnostic-0']: answers are not in bank order from here on");
}

TEST(ProductCheck, AnswersNameExistingOptions) {
    ProductCopy copy;
    copy.editData("Answers", [](auto& doc) {
        doc.select_node("//Ans[@quid='Final-5']").node().text() = "E";
        doc.select_node("//Ans[@quid='Final-0']/c[2]").node().text() = "D";
    });
    expectFinding(copy, "data/Answers.xml: Answers/Ans[@quid='Final-5']: names option \"E\"");
    expectFinding(copy, "data/Answers.xml: Answers/Ans[@quid='Final-0']: names option \"D\", which the question does not have");
}

TEST(ProductCheck, QuizCorrectMarksAndJudgingDataAreComplete) {
    ProductCopy copy;
    copy.editData("Quiz", [](auto& doc) {
        item(doc, "Q-2").child("responses").last_child().attribute("correct") = "true";
    });
    copy.editData("QuestionBank", [](auto& doc) {
        item(doc, "Final-2").child("targets").child("target").attribute("answer") = "Z";
        item(doc, "Final-4").select_node("hotspots/hotspot[2]").node().attribute("correct") = "false";
    });
    expectFinding(copy, "data/Quiz.xml: QuestionBank/Test[@name='Quiz']/item[@questionId='Q-2']: "
                        "a single-choice quiz question needs exactly one correct option");
    expectFinding(copy, "target[@name='T1']: target names tile \"Z\"");
    expectFinding(copy, "item[@questionId='Final-4']: a multiple hot-spot question needs two or more correct hot spots");
}

TEST(ProductCheck, TopicsAndCategoriesAreProductObjectives) {
    ProductCopy copy;
    copy.editData("QuestionBank", [](auto& doc) { item(doc, "Final-6").attribute("category") = "Cabling Basics"; });
    copy.editData("Quiz", [](auto& doc) { item(doc, "Q-0").attribute("topic") = "Network Security "; });
    expectFinding(copy, "item[@questionId='Final-6']: category \"Cabling Basics\" is not a product objective");
    expectFinding(copy, "data/Quiz.xml: QuestionBank/Test[@name='Quiz']/item[@questionId='Q-0']: topic \"Network Security \"");
    // Q-0 was the quiz's only question on its objective.
    expectFinding(copy, "data/Quiz.xml: QuestionBank/Test[@name='Quiz']: has no question on objective \"Network Models and Media\"");
}

TEST(ProductCheck, CustomFileAndGridPageMatchTheObjectives) {
    ProductCopy copy;
    copy.editData("custom", [](auto& doc) {
        auto root = doc.document_element();
        root.remove_child(root.last_child());
        root.first_child().attribute("Expert") = "2";
    });
    copy.replaceText("pages/pGrid.html", "id=\"Network Security_obj_2\"", "id=\"Network Security_obj_two\"");
    copy.replaceText("pages/pGrid.html", "id=\"chk_adaptive\"", "id=\"adaptive\"");
    expectFinding(copy, "data/custom.xml: custom: objective \"Troubleshooting and Tools\" is missing");
    expectFinding(copy, "data/custom.xml: custom/objective[1]: attribute Expert must be \"0\"");
    expectFinding(copy, "pages/pGrid.html: #Network Security_obj_2: list is missing");
    expectFinding(copy, "pages/pGrid.html: #chk_adaptive: control is missing");
}

TEST(ProductCheck, GridPageOffersNoMoreQuestionsThanThePracticeTestsHold) {
    ProductCopy copy;
    copy.editData("QuestionBank", [](auto& doc) {
        for (auto x : doc.select_nodes("//Test[@test_type='PracticeTest']/item[@topic='Network Services'][@level='Expert']"))
            x.node().attribute("level") = "Intermediate";
    });
    expectFinding(copy, "pages/pGrid.html: #Network Services_obj_1: offers up to");
}

TEST(ProductCheck, PracticePoolMeetsTheAdaptiveThresholds) {
    ProductCopy copy;
    copy.editData("QuestionBank", [](auto& doc) {
        int kept = 0;
        for (auto x : doc.select_nodes("//Test[@test_type='PracticeTest']/item[@level='Expert']"))
            if (++kept > 20) x.node().attribute("level") = "Intermediate";
    });
    expectFinding(copy, "data/QuestionBank.xml: Test[@test_type='PracticeTest']: the practice tests hold 20 Expert "
                        "questions; adaptive tests of 35 and 70 questions need 21");
    const CheckRun run = runCheck(copy.path());
    EXPECT_THAT(run.output, Not(HasSubstr("Intermediate questions; adaptive")));
}

TEST(ProductCheck, PracticeTestsAreRecognisedAlikeByNameAndType) {
    ProductCopy copy;
    copy.editData("QuestionBank", [](auto& doc) {
        doc.select_node("//Test[@name='Practice 3']").node().remove_attribute("test_type");
        doc.select_node("//Test[@name='Diagnostic']").node().attribute("name") = "Final";
    });
    expectFinding(copy, "QuestionBank/Test[@name='Practice 3']: a practice test needs test_type=\"PracticeTest\"");
    expectFinding(copy, "a second test of this name is never found");
}

TEST(ProductCheck, EveryMessageCodeIsInItsSection) {
    ProductCopy copy;
    copy.editData("System", [](auto& doc) {
        auto info = doc.select_node("//QuestionBankMessages/Information").node();
        info.remove_child(info.find_child_by_attribute("Message", "CODE", "qi16"));
        auto rc4 = doc.select_node("//Message[@CODE='rc4']").node();
        doc.select_node("//ReportMessages/Information").node().append_copy(rc4);
        rc4.parent().remove_child(rc4);
    });
    expectFinding(copy, "data/System.xml: System/QuestionBankMessages/Information: message qi16 is missing");
    expectFinding(copy, "data/System.xml: System/ReportMessages/Information: message rc4 belongs in ReportMessages/Confirmation");
}

TEST(ProductCheck, DuplicateMessageCodesAreReported) {
    ProductCopy copy;
    copy.editData("System", [](auto& doc) {
        auto m = doc.select_node("//SystemMessages/Information").node().append_child("Message");
        m.append_attribute("CODE") = "ri7";
        m.text() = "Again.";
    });
    expectFinding(copy, "System/ReportMessages/Information/Message[@CODE='ri7']: code \"ri7\" is already in SystemMessages/Information");
}

TEST(ProductCheck, EveryProductKeyIsPresent) {
    ProductCopy copy;
    copy.editData("Product", [](auto& doc) {
        auto root = doc.document_element();
        root.remove_child("forum_link");
        root.remove_child("no_of_max_reports");
        root.child("help").remove_attribute("uri");
        root.child("modes").remove_child(root.child("modes").find_child_by_attribute("name", "interactivequiz"));
        root.child("examinstruction").attribute("show") = "yes";
    });
    expectFinding(copy, "data/Product.xml: //forum_link: key is missing");
    expectFinding(copy, "data/Product.xml: product/no_of_max_reports: key is missing");
    expectFinding(copy, "data/Product.xml: //help: attribute uri is missing");
    expectFinding(copy, "data/Product.xml: modes: no label for mode \"interactivequiz\"");
    expectFinding(copy, "data/Product.xml: //examinstruction: show must be \"true\" or \"false\"");
}

TEST(ProductCheck, ResultBandsCoverEveryPercentage) {
    ProductCopy copy;
    copy.editData("Product", [](auto& doc) {
        doc.select_node("//test_result_analysis[@min_marks='70']").node().attribute("min_marks") = "72";
        doc.select_node("//test_result_analysis[@min_marks='85']").node().attribute("max_marks") = "99";
    });
    expectFinding(copy, "data/Product.xml: product/reports: no result-analysis band covers 70 to 71 percent");
    expectFinding(copy, "data/Product.xml: product/reports: no result-analysis band covers 100 percent");
}

TEST(ProductCheck, ReportsHoldOnlyThePassPercentageAndTheBands) {
    ProductCopy copy;
    // The program counts bands by the child nodes of reports.
    copy.replaceText("data/Product.xml", "<test_pass_percentage>70</test_pass_percentage>",
                     "<!-- pass mark --><test_pass_percentage>170</test_pass_percentage>");
    expectFinding(copy, "product/reports: holds a node other than test_pass_percentage and test_result_analysis");
    expectFinding(copy, "product/reports/test_pass_percentage: must be a whole percentage from 0 to 100");
}

TEST(ProductCheck, ReferencedPagesExist) {
    ProductCopy copy;
    copy.remove("files/Database/PDU.html");
    copy.remove("pages/TipsNTricks.html");
    copy.editData("Product", [](auto& doc) {
        doc.select_node("//tool_tips_texts/*[@name='examinformation']").node().text() = "exam-info.html";
    });
    expectFinding(copy, "(program): Database/PDU.html: refers to \"Database/PDU.html\"");
    expectFinding(copy, "data/Product.xml: product/tips_n_tricks: refers to \"Database/TipsNTricks.wlb\"");
    expectFinding(copy, "data/Product.xml: tool_tips_texts/*[@name='examinformation']: refers to \"Database/exam-info.html\"");
}

TEST(ProductCheck, PagesTheHtmlViewerOpensAreEnciphered) {
    ProductCopy copy;
    // A plain copy in files/ is not enough: the viewer deciphers what it opens.
    copy.remove("pages/QuickRevision.html");
    writeFile(copy.path() / "files/Database/QuickRevision.wlb", "<html></html>");
    expectFinding(copy, "product/quick_revision_notes: \"Database/QuickRevision.wlb\" is opened by the HTML viewer");
}

TEST(ProductCheck, ReferencedPicturesAndPageLinksExist) {
    ProductCopy copy;
    copy.remove("files/Database/images/synthetic.svg");
    copy.replaceText("files/Database/resources.html", "href=\"PDU.html\"", "href=\"pdu.html\"");
    copy.replaceText("files/training.html", "</main>", "<img src=\"https://example.com/logo.png\"></main>");
    expectFinding(copy, "data/QuestionBank.xml: QuestionBank/Test[@name='Final']/item[@questionId='Final-2']/"
                        "resource[@name='questionimage']: refers to \"Database/images/synthetic.svg\"");
    expectFinding(copy, "files/Database/resources.html: pdu.html: refers to \"Database/pdu.html\"");
    expectFinding(copy, "files/training.html: https://example.com/logo.png: a page must not load anything from the network");
}

TEST(ProductCheck, HelpTopicsExistAndAreCompiledIn) {
    ProductCopy copy;
    copy.replaceText("help/Help.hhp", "[FILES]\nusing__vostrane_exam_simulator.htm\n", "[FILES]\n");
    copy.remove("help/question_types.htm");
    expectFinding(copy, "help/Help.hhp: [FILES]: must list using__vostrane_exam_simulator.htm");
    expectFinding(copy, "help/Help.hhp: [FILES] question_types.htm: topic file is missing");
    expectFinding(copy, "help/scoring_and_reports.htm: question_types.htm: link to a missing file");
}
