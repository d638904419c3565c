#include "core/xml.h"
#include "reports/objective_analysis.h"
#include "support/store_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class Objectives : public StoreFixture {
protected:
    pugi::xml_node objectives(const std::string& xml) {
        EXPECT_TRUE(parseXml(report, xml));
        return report.document_element();
    }
    pugi::xml_node analyse(const std::string& objectivesXml, const std::vector<PlayedQuestion>& qs) {
        pugi::xml_node o = objectives(objectivesXml);
        EXPECT_TRUE(parseXml(test, playedTestXml(qs)));
        analyseObjectives(ctx, o, test.document_element());
        return o;
    }
    static std::string line(const pugi::xml_node& o) {
        return std::string(o.attribute("maxScore").value()) + "/" + o.attribute("yourscore").value() + "/" +
               o.attribute("percentage").value() + "/" + o.attribute("result").value();
    }
    pugi::xml_document report;
    pugi::xml_document test;
};

std::vector<PlayedQuestion> workedExample() {
    std::vector<PlayedQuestion> qs(3);
    qs[1].answered = false;  // one "A" question left unanswered
    qs[2].category = "C";    // no objective of that name
    qs[2].totalMarks = "5";
    qs[2].marksScored = "5";
    return qs;
}

const char* kStored =
    "<Objectives><objective name=\"A\" yourscore=\"3\" maxScore=\"4\" percentage=\"75\" result=\"Pass\"/>"
    "<objective name=\"B\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/></Objectives>";

}  // namespace

TEST_F(Objectives, ScoresAccumulateAndTheVerdictFollowsThePassPercentage) {
    pugi::xml_node o = analyse(kStored, workedExample());
    EXPECT_EQ(line(o.first_child()), "6/4/67/Pass");  // 4 of 6 is 66.7
    EXPECT_EQ(line(o.last_child()), "0/0/0/Fail");    // untouched, but now judged
    EXPECT_EQ(xmlText(o.first_child()), "<objective name=\"A\" yourscore=\"4\" maxScore=\"6\" percentage=\"67\" result=\"Pass\"/>");

    useProduct(productXml(70));
    EXPECT_EQ(line(analyse(kStored, workedExample()).first_child()), "6/4/67/Fail");
}

TEST_F(Objectives, TiesRoundToEvenAndUnreadableMarksAddNothing) {
    std::vector<PlayedQuestion> qs = oneMarkQuestions(8, 1);
    qs[7].marksScored = "n/a";
    EXPECT_EQ(line(analyse(kStored, qs).last_child()), "0/0/0/Fail");
    pugi::xml_node a = analyse("<Objectives><objective name=\"A\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/></Objectives>", qs);
    EXPECT_EQ(line(a.first_child()), "8/1/12/Fail");
    EXPECT_EQ(line(analyse("<Objectives><objective name=\"A\" yourscore=\"0\" maxScore=\"0\"/></Objectives>", oneMarkQuestions(8, 7)).first_child()),
              "8/7/88/Pass");
}

TEST_F(Objectives, AStoredScoreThatIsNotANumberChangesNothing) {
    pugi::xml_node o = objectives(std::string(kStored).replace(std::string(kStored).find("maxScore=\"0\""), 12, "maxScore=\"x\""));
    const std::string before = xmlText(o);
    ASSERT_TRUE(parseXml(test, playedTestXml(oneMarkQuestions(2, 2))));
    EXPECT_THROW(analyseObjectives(ctx, o, test.document_element()), ObjectiveAnalysisError);
    EXPECT_EQ(xmlText(o), before);
    useProduct("<product><objectives/></product>");
    EXPECT_THROW(analyse(kStored, oneMarkQuestions(1, 1)), ObjectiveAnalysisError);
}

TEST_F(Objectives, TheSkeletonKeepsEveryNameAsWritten) {
    useProduct(productXml(65, {"Routing & Switching", "a < b", "\"Quoted\"", "Dup", "Dup"}));
    pugi::xml_document skeleton;
    ASSERT_TRUE(parseXml(skeleton, buildObjectivesSkeleton(ctx)));
    std::vector<std::string> names;
    for (pugi::xml_node o : skeleton.document_element().children()) {
        names.push_back(o.attribute("name").value());
        EXPECT_EQ(line(o), "0/0/0/fail");
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Routing & Switching", "a < b", "\"Quoted\"", "Dup", "Dup"}));
    EXPECT_EQ(xmlText(skeleton.first_child().first_child()),
              "<objective name=\"Routing &amp; Switching\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/>");

    useProduct("<product><reports/></product>");
    ASSERT_TRUE(parseXml(skeleton, buildObjectivesSkeleton(ctx)));
    EXPECT_STREQ(skeleton.document_element().name(), "Objectives");
    EXPECT_FALSE(skeleton.document_element().first_child());
}
