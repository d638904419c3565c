#include "bank/quiz.h"
#include "builder_fixture.h"
#include "core/data_file.h"
#include "support/data_files.h"

#include <tuple>

using namespace examsim;
using namespace examsim::test;

class Quiz : public BuilderTest {
protected:
    void SetUp() override {
        BuilderTest::SetUp();
        writeDataText(ctx, "Quiz", R"(<QuestionBank><Test name="Quiz"><property/>
            <item questionId="a1" topic="A" time="60"/><item questionId="b1" topic="B" time="60"/>
            <item questionId="a2" topic="A"/><item questionId="q1" topic="it's &quot;quoted&quot;" time="5"/></Test>
          <Test name="Other"><item questionId="o1" topic="A"/></Test></QuestionBank>)");
        loadQuizDocument(ctx);
    }
};

TEST_F(Quiz, CountsEqualWhatTheBuildWrites) {
    for (const auto& [count, build, n] : std::vector<std::tuple<std::string, std::string, std::int32_t>>{
             {"B|$|A", "B;A", 3}, {"A|$|A", "A;A", 2}, {"All", "All", 4}, {"it's \"quoted\"", "it's \"quoted\"", 1}}) {
        EXPECT_EQ(showAvailableQuestion(ctx, count, "Quiz"), n) << count;
        ASSERT_TRUE(createQuiz(ctx, build, 30, "Quiz")) << build;
        EXPECT_EQ(static_cast<std::int32_t>(handedOverIds().size()), n) << build;
    }
}

TEST_F(Quiz, ABuildAsksTopicsInOrderEachOnceTimedPerQuestion) {
    ASSERT_TRUE(createQuiz(ctx, "B;A;A;Z", 30, "Quiz"));
    const pugi::xml_node test = handedOver();
    EXPECT_EQ(questionIds(test), (std::vector<std::string>{"b1", "a1", "a2"}));
    EXPECT_EQ(std::string(test.attribute("time").value()) + "/" + test.attribute("time_remaining").value(), "90/90");
    for (pugi::xml_node item = test.child("item"); item; item = item.next_sibling("item"))
        EXPECT_STREQ(item.attribute("time").value(), "30");  // also on a2, which had none
    EXPECT_FALSE(createQuiz(ctx, "Z;Y", 30, "Quiz"));
}

TEST_F(Quiz, AnUnreadableQuizFileShowsQe2AndBuildsNothing) {
    ctx.catalogue["qe2"] = "quiz damaged";
    std::filesystem::remove(dataFilePath(ctx, "Quiz"));
    EXPECT_FALSE(createQuiz(ctx, "All", 30, "Quiz"));
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "quiz damaged");
    EXPECT_EQ(host.messages.shown[0].style, msg::Critical);
    EXPECT_EQ(showAvailableQuestion(ctx, "A", "Quiz"), 0);
}
