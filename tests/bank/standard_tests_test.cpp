#include "bank/standard_tests.h"
#include "builder_fixture.h"

using namespace examsim;
using namespace examsim::test;

class StandardTests : public BuilderTest {
protected:
    void SetUp() override {
        BuilderTest::SetUp();
        setBank(R"(<QuestionBank><Test name="Diagnostic" test_type="Diag" time="600"><property p="1"/>
            <item questionId="d2" type="Single Choice"><responses><response name="A"/><response name="B"/></responses></item>
            <item questionId="d1" type="Single Choice"><responses><response name="A"/></responses></item></Test>
          <Test name="Final"><property/><item questionId="f1" type="Single Choice"/></Test></QuestionBank>)");
        setAnswers(R"(<Answers><Ans quid="d1">A</Ans><Ans quid="d2">B</Ans></Answers>)");
    }
    void history(const std::string& records) {
        setReport("<QuestionBank><History>" + records + "</History><Objectives/></QuestionBank>");
    }
    static std::string record(const std::string& name, const std::string& remarks) {
        return "<Test name=\"" + name + "\" remarks=\"" + remarks + "\"><Test name=\"" + name + "\"/></Test>";
    }
    void cap(const std::string& value) { parseXml(ctx.productDoc, "<product><no_of_max_reports>" + value + "</no_of_max_reports></product>"); }
};

TEST_F(StandardTests, AnEmptyCapAllowsOnePassAndACapOfThreeCountsOnlyPassesOfThatName) {
    cap("");
    history(record("Final", "Pass") + record("Diagnostic", "pass") + record("Diagnostic", "Fail"));
    EXPECT_TRUE(checkAttemptCap(ctx, "Diagnostic"));  // "pass" is not a pass, nor another test's
    EXPECT_FALSE(checkAttemptCap(ctx, "Final"));
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "Total Successful attempt exceed.");
    EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly);  // no icon
    EXPECT_EQ(host.messages.shown[0].title, "");           // the application's own title
    EXPECT_FALSE(startTest(ctx, "Final"));
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));

    cap("3");
    history(record("Final", "Pass") + record("Final", "Fail") + record("Final", "Pass") + record("final", "Pass"));
    EXPECT_TRUE(checkAttemptCap(ctx, "Final"));
    history(record("Final", "Pass") + record("Final", "Pass") + record("Final", "Pass"));
    EXPECT_FALSE(checkAttemptCap(ctx, "Final"));
    ctx.reportDoc.reset();  // no history at all
    EXPECT_TRUE(checkAttemptCap(ctx, "Final"));
}

TEST_F(StandardTests, StartTestCopiesTheBankTestInOrderWithAnswersEveryTime) {
    ASSERT_TRUE(startTest(ctx, "Diagnostic"));
    const std::string first = readFile(currentTestFilePath(ctx));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("test_type").value(), "Diag");
    EXPECT_STREQ(test.first_child().attribute("p").value(), "1");
    EXPECT_EQ(questionIds(test), (std::vector<std::string>{"d2", "d1"}));
    EXPECT_STREQ(test.child("item").child("responses").last_child().attribute("correct").value(), "true");
    ASSERT_TRUE(startTest(ctx, "Diagnostic"));
    EXPECT_EQ(readFile(currentTestFilePath(ctx)), first);
    EXPECT_FALSE(startTest(ctx, "Practice 9"));
}

TEST_F(StandardTests, AStoredTestIsTheCompletedTestOfThatRecord) {
    history(record("Diagnostic", "Fail") + record("Final", "Pass"));
    ASSERT_TRUE(loadStoredTest(ctx, 1));
    EXPECT_EQ(xmlText(handedOver()), "<Test name=\"Final\"/>");
    for (int outside : {2, -1}) EXPECT_FALSE(loadStoredTest(ctx, outside)) << outside;
}
