#include "core/xml.h"
#include "reports/objective_analysis.h"
#include "support/store_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

const char* kStored =
    "<Objectives><objective name=\"A\" yourscore=\"3\" maxScore=\"4\" percentage=\"75\" result=\"Pass\"/>"
    "<objective name=\"B\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/></Objectives>";

class Objectives : public StoreFixture {
protected:
    pugi::xml_node analyse(const std::string& objectivesXml, const std::vector<PlayedQuestion>& qs) {
        EXPECT_TRUE(parseXml(report, objectivesXml));
        EXPECT_TRUE(parseXml(test, playedTestXml(qs)));
        analyseObjectives(ctx, report.document_element(), test.document_element());
        return report.document_element();
    }
    static std::string line(const pugi::xml_node& o) {
        return std::string(o.attribute("maxScore").value()) + "/" + o.attribute("yourscore").value() + "/" +
               o.attribute("percentage").value() + "/" + o.attribute("result").value();
    }
    pugi::xml_document report, test;
};

std::vector<PlayedQuestion> workedExample() {
    std::vector<PlayedQuestion> qs(3);
    qs[1].answered = false;  // one "A" question left unanswered
    qs[2].category = "C";    // no objective of that name
    qs[2].totalMarks = qs[2].marksScored = "5";
    return qs;
}

}  // namespace

TEST_F(Objectives, ScoresAccumulateAndTheVerdictFollowsThePassPercentage) {
    pugi::xml_node o = analyse(kStored, workedExample());
    EXPECT_EQ(xmlText(o.first_child()), "<objective name=\"A\" yourscore=\"4\" maxScore=\"6\" percentage=\"67\" result=\"Pass\"/>");
    EXPECT_EQ(line(o.last_child()), "0/0/0/Fail");  // untouched, but now judged
    useProduct(productXml(70));
    EXPECT_EQ(line(analyse(kStored, workedExample()).first_child()), "6/4/67/Fail");
}

TEST_F(Objectives, TiesRoundToEvenAndUnreadableMarksAddNothing) {
    const char* fresh = "<Objectives><objective name=\"A\" yourscore=\"0\" maxScore=\"0\"/></Objectives>";
    std::vector<PlayedQuestion> qs = oneMarkQuestions(8, 1);
    qs[7].marksScored = "n/a";
    EXPECT_EQ(line(analyse(fresh, qs).first_child()), "8/1/12/Fail");  // 12.5
    EXPECT_EQ(line(analyse(fresh, oneMarkQuestions(8, 7)).first_child()), "8/7/88/Pass");  // 87.5
}

TEST_F(Objectives, AStoredScoreThatIsNotANumberChangesNothing) {
    std::string bad = kStored;
    bad.replace(bad.find("maxScore=\"0\""), 12, "maxScore=\"x\"");
    ASSERT_TRUE(parseXml(report, bad));
    ASSERT_TRUE(parseXml(test, playedTestXml(oneMarkQuestions(2, 2))));
    const std::string before = xmlText(report);
    EXPECT_THROW(analyseObjectives(ctx, report.document_element(), test.document_element()), ObjectiveAnalysisError);
    EXPECT_EQ(xmlText(report), before);  // "A" is read before "B" but left as it was
    useProduct("<product><objectives/></product>");
    EXPECT_THROW(analyse(kStored, oneMarkQuestions(1, 1)), ObjectiveAnalysisError);
}

TEST_F(Objectives, TheSkeletonKeepsEveryNameAsWritten) {
    const std::vector<std::string> names{"Routing & Switching", "a < b", "\"Quoted\"", "Dup", "Dup"};
    useProduct(productXml(65, names));
    pugi::xml_document skeleton;
    ASSERT_TRUE(parseXml(skeleton, buildObjectivesSkeleton(ctx)));
    std::vector<std::string> read;
    for (pugi::xml_node o : skeleton.document_element().children()) {
        read.push_back(o.attribute("name").value());
        EXPECT_EQ(line(o), "0/0/0/fail");
    }
    EXPECT_EQ(read, names);
    EXPECT_EQ(xmlText(skeleton.first_child().first_child()),
              "<objective name=\"Routing &amp; Switching\" yourscore=\"0\" maxScore=\"0\" percentage=\"0\" result=\"fail\"/>");

    useProduct("<product><reports/></product>");
    ASSERT_TRUE(parseXml(skeleton, buildObjectivesSkeleton(ctx)));
    EXPECT_EQ(xmlText(skeleton), "<Objectives/>");
}
