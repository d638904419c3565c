// QTI samples, one per interaction kind and a whole package, imported into a
// product: the check passes, the assembled product plays and scores the new
// questions, and a second import is refused without a change.
#include "qti_play_support.h"

#include "core/xml.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;

namespace {

pugi::xml_node itemById(const pugi::xml_node& test, const std::string& id) {
    return selectFirst(test, "item[@questionId=$id]", {{"id", id}});
}

class QtiImport : public AssembledProduct {
protected:
    ProductCopy product;
};

TEST_F(QtiImport, EachKindImportsPassesTheCheckAndScoresRightAndWrong) {
    for (const KindSample& s : kindSamples()) {
        SCOPED_TRACE(s.file);
        const PackRun run = runPack("import-qti", {qtiSamples() / s.file, "--product", product.path(), "--test",
                                                   "Diagnostic", "--objective", "Network Services", "--level", "Expert"});
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find(std::string("1 ") + s.kind), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("no findings"), std::string::npos) << run.output;
    }
    const auto before = snapshot(product.path());
    for (const KindSample& s : kindSamples()) {
        SCOPED_TRACE(s.file);
        const PackRun again = runPack("import-qti", {qtiSamples() / s.file, "--product", product.path(), "--test",
                                                     "Diagnostic", "--objective", "Network Services", "--level", "Expert"});
        EXPECT_EQ(again.status, 1);
        EXPECT_NE(again.output.find(std::string("already question \"") + s.questionId + "\""), std::string::npos)
            << again.output;
    }
    EXPECT_EQ(snapshot(product.path()), before) << "a refused import changed the product";

    assemble(product.path());
    for (const bool right : {true, false}) {
        SCOPED_TRACE(right ? "right answers" : "wrong answers");
        const pugi::xml_node test = start("Diagnostic");
        ASSERT_TRUE(test);
        int worth = 0;
        for (const KindSample& s : kindSamples()) {
            SCOPED_TRACE(s.file);
            const pugi::xml_node item = itemById(test, s.questionId);
            ASSERT_TRUE(item);
            EXPECT_STREQ(item.attribute("type").value(), s.kind);
            EXPECT_EQ(item.attribute("total_marks").as_int(), s.marks);
            EXPECT_EQ(judge(item, s.right), true);
            EXPECT_EQ(judge(item, s.wrong), false);
            answer(item, right ? s.right : s.wrong);
            worth += s.marks;
        }
        const auto [marks, total] = score();
        EXPECT_EQ(marks, right ? worth : 0);
        EXPECT_GT(total, worth);  // the test's other questions count, unanswered
    }
}

// The package gives the test (its assessmentTest's title), the order, and
// objective and level per item from its metadata; folder and ZIP alike.
TEST_F(QtiImport, APackageNamesItsTestOrderObjectivesAndPictures) {
    TempFolder zipFolder;
    writeZip(zipFolder / "package.zip", qtiSamples() / "package");
    for (const fs::path& source : {qtiSamples() / "package", zipFolder / "package.zip"}) {
        SCOPED_TRACE(source.filename().string());
        ProductCopy fresh;
        const PackRun run = runPack("import-qti", {source, "--product", fresh.path()});
        ASSERT_EQ(run.status, 0) << run.output;
        EXPECT_NE(run.output.find("1 picture(s) copied"), std::string::npos) << run.output;
        pugi::xml_document bank;
        ASSERT_TRUE(parseXml(bank, readFile(fresh.path() / "data" / "QuestionBank.xml")));
        const pugi::xml_node diagnostic = selectFirst(bank, "/QuestionBank/Test[@name='Diagnostic']");
        std::vector<std::string> order;
        for (pugi::xml_node i : diagnostic.children("item"))
            if (std::string(i.attribute("questionId").value()).rfind("QTI-", 0) == 0)
                order.push_back(std::string(i.attribute("questionId").value()) + " " + i.attribute("topic").value() +
                                " " + i.attribute("level").value());
        EXPECT_EQ(order, (std::vector<std::string>{"QTI-pkg-mask-26 IP Addressing and Subnetting Intermediate",
                                                   "QTI-pkg-default-gateway Switching and Routing Beginner"}));

        const PackRun again = runPack("import-qti", {source, "--product", fresh.path()});
        EXPECT_EQ(again.status, 1);
        EXPECT_NE(again.output.find("item \"pkg-mask-26\""), std::string::npos) << again.output;
        EXPECT_NE(again.output.find("item \"pkg-default-gateway\""), std::string::npos) << again.output;
    }
}

TEST_F(QtiImport, APackagesQuestionsPlayWithTheirExhibit) {
    ASSERT_EQ(runPack("import-qti", {qtiSamples() / "package", "--product", product.path()}).status, 0);
    assemble(product.path());
    const pugi::xml_node test = start("Diagnostic");
    ASSERT_TRUE(test);
    const pugi::xml_node gateway = itemById(test, "QTI-pkg-default-gateway");
    const pugi::xml_node exhibit = selectFirst(gateway, "resource[@name='exhibit']");
    ASSERT_TRUE(exhibit);
    EXPECT_TRUE(fs::is_regular_file(t.path() / exhibit.attribute("uri").value() / textContent(exhibit)));
    const pugi::xml_node mask = itemById(test, "QTI-pkg-mask-26");
    answer(mask, typing("255.255.255.192"));
    answer(gateway, choosing({"GigabitEthernet0/1, facing the provider"}));
    EXPECT_EQ(score().first, 1);
}

// A run stopped between writing the answers and the bank leaves answers of
// questions the bank lacks; importing again replaces them.
TEST_F(QtiImport, AnswersLeftByAnInterruptedRunAreReplaced) {
    const fs::path answers = product.path() / "data" / "Answers.xml";
    std::string text = readFile(answers);
    text.insert(text.rfind("</Answers>"), "<Ans quid=\"QTI-sample-dns-role\">D</Ans>");
    writeFile(answers, text);
    const PackRun run = runPack("import-qti", {qtiSamples() / "choice_single.xml", "--product", product.path(), "--test",
                                               "Diagnostic", "--objective", "Network Services", "--level", "Expert"});
    EXPECT_EQ(run.status, 0) << run.output;
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, readFile(answers)));
    const auto left = selectAll(doc, "/Answers/Ans[@quid='QTI-sample-dns-role']");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(textContent(left.first().node()), "B");
}

}  // namespace
