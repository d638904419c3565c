#include "bank/retake_tests.h"
#include "bank/tips.h"
#include "builder_fixture.h"
#include "core/xml.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

namespace {

// A stored item: attempted or not, with the marks scored out of 1.
std::string stored(const std::string& id, const std::string& att, const std::string& marks, const std::string& from) {
    return "<item questionId=\"" + id + "\" from=\"" + from + "\" att=\"" + att + "\" total_marks=\"1\"><statement>S" + id +
           "</statement><user_attempt_report><user_attempts/><marks_scored>" + marks + "</marks_scored></user_attempt_report></item>";
}

std::string record(const std::string& items) { return "<Test name=\"Final\"><Test name=\"Final\"><property/>" + items + "</Test></Test>"; }

}  // namespace

class Retake : public BuilderTest {};

TEST_F(Retake, HoldsEachQuestionWhoseLatestAttemptWasWrongFromItsEarliestWrongCopyOrNothing) {
    setReport("<QuestionBank><History>" +
              record(stored("wrw", "1", "0", "t1") + stored("wr", "1", "0", "t1") + stored("never", "0", "0", "t1")) +
              record(stored("wrw", "1", "1", "t2") + stored("wr", "1", "1", "t2") + stored("ww", "1", "0", "t2")) +
              record(stored("wrw", "1", "0", "t3") + stored("ww", "1", "0.0", "t3")) + "</History><Objectives/></QuestionBank>");
    ASSERT_TRUE(buildIncorrectTest(ctx, 90.5, false));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "IncorrectQuestionsTest");
    EXPECT_STREQ(test.attribute("time").value(), "90");  // half to even
    EXPECT_EQ(questionIds(test), (std::vector<std::string>{"ww", "wrw"}));
    EXPECT_EQ(std::string(test.child("item").attribute("from").value()) + test.child("item").next_sibling().attribute("from").value(), "t2t3");
    EXPECT_FALSE(test.child("item").attribute("att"));
    EXPECT_FALSE(test.child("item").child("user_attempt_report"));
    EXPECT_FALSE(buildIncorrectTest(ctx, 60, true));  // too few per level for an adaptive re-take

    std::filesystem::remove(currentTestFilePath(ctx));
    setReport("<QuestionBank><History>" + record(stored("a", "1", "1", "t1") + stored("b", "0", "0", "t1")) +
              "</History></QuestionBank>");
    EXPECT_FALSE(buildIncorrectTest(ctx, 60, false));
    setReport("<QuestionBank/>");
    EXPECT_FALSE(buildIncorrectTest(ctx, 60, false));
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
}

TEST_F(Retake, ABookmarkedTestStartsAtQuestionOneWithAttemptsCleared) {
    EXPECT_FALSE(buildBookmarkedTest(ctx, 600));
    writeDataText(ctx, "bookmark",
                  "<Test name=\"bookMark\" currentQuestionID=\"7\"><property/>" + stored("a", "1", "1", "t1") +
                      "<item questionId=\"b\"><user_attempt_report><marks_scored>1</marks_scored><bookmark value=\"true\"/>"
                      "</user_attempt_report></item></Test>");
    ASSERT_TRUE(buildBookmarkedTest(ctx, 600));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "BookmarkedQuestionTest");
    EXPECT_STREQ(test.attribute("currentQuestionID").value(), "1");
    EXPECT_STREQ(test.attribute("time").value(), "600");
    EXPECT_EQ(xmlText(test.child("item").child("user_attempt_report")), "<user_attempt_report><marks_scored>0</marks_scored></user_attempt_report>");
    EXPECT_EQ(textContent(test.child("item").next_sibling().child("user_attempt_report").first_child()), "0");

    writeDataText(ctx, "bookmark", "<Test>");
    EXPECT_FALSE(buildBookmarkedTest(ctx, 600));
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "Error");
}

TEST_F(Retake, TheTipOfTodayJoinsEveryTipInOrder) {
    for (const auto& [text, tip] : std::vector<std::pair<std::string, std::string>>{
             {"<tips><tip>One. </tip><tip>Two. </tip><tip>Three.</tip></tips>", "One. Two. Three."}, {"<tips/>", ""}, {"<tips>", ""}}) {
        writeDataText(ctx, "tip", text);
        EXPECT_EQ(tipOfToday(ctx), tip) << text;
    }
    EXPECT_EQ(host.messages.shown.size(), 1u);  // "qe8"
}
