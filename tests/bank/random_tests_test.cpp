#include "bank/customized_test.h"
#include "bank/random_draw.h"
#include "bank/random_tests.h"
#include "builder_fixture.h"
#include "support/test_locale.h"

#include <set>

using namespace examsim;
using namespace examsim::test;

class RandomTests : public BuilderTest {
protected:
    void SetUp() override {
        BuilderTest::SetUp();
        setBank(practiceBank(practiceItem("p1", "A", "Beginner") + practiceItem("p2", "B", "Expert") +
                             practiceItem("p3", "A", "Beginner") + practiceItem("p4", "A", "Expert") +
                             practiceItem("p5", "A", "Beginner")));
        setAnswers(R"(<Answers><Ans quid="p1">A</Ans><Ans quid="p2">B</Ans><Ans quid="p3">A</Ans><Ans quid="p4">A</Ans><Ans quid="p5">A</Ans></Answers>)");
    }
};

TEST_F(RandomTests, DrawsRoundHalfToEvenAndSkipZeroAndRepeats) {
    host.random.values = {0.5, 0.7, 0.1};
    EXPECT_EQ(randomIndex(ctx, 5), 2);  // 2.5
    EXPECT_EQ(randomIndex(ctx, 5), 4);  // 3.5
    EXPECT_EQ(randomIndex(ctx, 5), 0);  // 0.5
    host.random.values = {0.0, 0.5, 0.5, 0.875, 0.25, 0.75};
    host.random.drawn = 0;
    EXPECT_EQ(pickDistinctIndexes(ctx, 4, 2), (std::vector<std::int32_t>{2, 4, 1, 0, 0}));
    EXPECT_EQ(host.random.drawn, 5);  // stops once wanted + 1 are filled
    host.random.values.clear();
    const std::vector<std::int32_t> all = pickDistinctIndexes(ctx, 6, 6);
    EXPECT_EQ(all.back(), 0);
    EXPECT_EQ(std::multiset<std::int32_t>(all.begin(), all.end() - 1), (std::multiset<std::int32_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(RandomTests, EveryOrderedChoiceOfPositionsIsEquallyLikely) {
    // Draws at the middle of each of the equally likely slots of every step:
    // each ordered choice of 3 of 4 positions must come out exactly once.
    std::set<std::vector<std::int32_t>> choices;
    for (int a = 0; a < 4; ++a)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 2; ++c) {
                host.random.values = {(a + 0.5) / 4, (b + 0.5) / 3, (c + 0.5) / 2};
                const std::vector<std::int32_t> drawn = drawPositions(ctx, 4, 3);
                EXPECT_EQ(std::set<std::int32_t>(drawn.begin(), drawn.end()).size(), 3u);
                choices.insert(drawn);
            }
    EXPECT_EQ(choices.size(), 24u);
    EXPECT_EQ(*choices.begin(), (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(*choices.rbegin(), (std::vector<std::int32_t>{3, 2, 1}));
    host.random.values = {0.999999, 0.5};
    EXPECT_EQ(drawPositions(ctx, 2, 5), (std::vector<std::int32_t>{1, 0}));  // never more than the list holds
    EXPECT_TRUE(drawPositions(ctx, 0, 3).empty());
}

TEST_F(RandomTests, ARandomTestTakesThePoolPositionsInDrawOrder) {
    host.random.values = {0.4, 0.8, 0.4, 0.2, 0.6};  // positions 2, 4, (2 again), 1
    ASSERT_TRUE(buildRandomTest(ctx, 2, 1800));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "Randomize Question Test");
    EXPECT_STREQ(test.attribute("time_remaining").value(), "1800");
    EXPECT_EQ(questionIds(test), (std::vector<std::string>{"p2", "p4"}));
    EXPECT_STREQ(test.child("item").child("responses").last_child().attribute("correct").value(), "true");

    ASSERT_TRUE(buildRandomTest(ctx, 5, 90.5));
    const std::vector<std::string> ids = handedOverIds();
    EXPECT_EQ(std::multiset<std::string>(ids.begin(), ids.end()), (std::multiset<std::string>{"p1", "p2", "p3", "p4", "p5"}));
    EXPECT_STREQ(handedOver().attribute("time").value(), "90.5");
    for (int refused : {6, 0}) EXPECT_FALSE(buildRandomTest(ctx, refused, 60)) << refused;
}

TEST_F(RandomTests, ACustomizedTestFollowsObjectiveThenLevelThenPoolOrder) {
    ASSERT_TRUE(buildCustomizedTest(ctx, 600,
                                    R"(<custom><objective Beginner="0" Intermediate="0" Expert="1">B</objective>
                                       <objective Beginner="2" Intermediate="0" Expert="1">A</objective></custom>)",
                                    false));
    const pugi::xml_node test = handedOver();
    EXPECT_EQ(questionIds(test), (std::vector<std::string>{"p2", "p1", "p3", "p4"}));
    EXPECT_STREQ(test.attribute("name").value(), "Customized Exam12/06/26");  // the "C" locale
    const std::string de = buildTestLocale("de_DE");
    ASSERT_FALSE(de.empty());
    host.clock.locale = std::locale(de);
    ASSERT_TRUE(buildCustomizedTest(ctx, 600, R"(<custom><objective Beginner="1">A</objective></custom>)", false));
    EXPECT_STREQ(handedOver().attribute("name").value(), "Customized Exam06.12.2026");
    for (const char* refused : {"<custom />", "<custom>"}) EXPECT_FALSE(buildCustomizedTest(ctx, 600, refused, false)) << refused;

    // An objective chosen twice goes on where its first choice stopped: no question twice.
    const CustomizedBuild twice = buildCustomizedTest(
        ctx, 600, R"(<c><o Beginner="1">A</o><o Beginner="2" Expert="1">A</o><o Beginner="1">A</o></c>)", false);
    ASSERT_TRUE(twice);
    EXPECT_EQ(*twice, 4u);
    EXPECT_EQ(handedOverIds(), (std::vector<std::string>{"p1", "p3", "p5", "p4"}));
}

TEST_F(RandomTests, TopicsWithQuotesSelectAndTheCustomOptionCarriesAnswers) {
    setBank(practiceBank(practiceItem("q1", "it&apos;s &quot;x&quot;", "Expert")));
    ASSERT_TRUE(buildCustomizedTest(ctx, 60, R"(<c><o Expert="1">it's "x"</o></c>)", false));
    EXPECT_EQ(handedOverIds(), std::vector<std::string>{"q1"});
    setBank(practiceBank(practiceItem("p1", "A", "Beginner")));
    ASSERT_TRUE(showCustomOption(ctx));
    EXPECT_STREQ(handedOver().child("item").child("responses").first_child().attribute("correct").value(), "true");
    setBank(practiceBank(""));
    EXPECT_FALSE(showCustomOption(ctx));
}
