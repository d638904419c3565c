#include "bank/adaptive_tests.h"
#include "bank/customized_test.h"
#include "builder_fixture.h"
#include "support/data_files.h"

#include <algorithm>

using namespace examsim;
using namespace examsim::test;

namespace {

std::string items(const char* prefix, const char* level, int n, const char* topic = "T") {
    std::string s;
    for (int i = 0; i < n; ++i) s += practiceItem(prefix + std::to_string(i), topic, level);
    return s;
}

std::string levelsOf(const pugi::xml_node& test) {
    std::string s;
    for (pugi::xml_node item = test.child("item"); item; item = item.next_sibling("item")) s += item.attribute("level").value()[0];
    return s;
}

}  // namespace

class Adaptive : public BuilderTest {};

TEST_F(Adaptive, RandomAdaptiveAsksIntermediateBeginnerExpertBlocksPerUnit) {
    setBank(practiceBank(items("b", "Beginner", 30) + items("i", "Intermediate", 40) + items("e", "Expert", 30)));
    ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 70, 3600));
    const pugi::xml_node test = handedOver();
    EXPECT_EQ(levelsOf(test), std::string(30, 'I') + std::string(20, 'B') + std::string(20, 'E'));
    EXPECT_STREQ(test.first_child().name(), "property");
    std::vector<std::string> ids = questionIds(test);
    for (const char* first : {"b0", "i0", "e0"}) EXPECT_EQ(std::count(ids.begin(), ids.end(), first), 0) << first;
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end());

    ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 69, 3600));
    EXPECT_EQ(levelsOf(handedOver()), std::string(15, 'I') + std::string(10, 'B') + std::string(10, 'E'));
    EXPECT_FALSE(buildRandomAdaptiveTest(ctx, 34, 3600));
    EXPECT_FALSE(buildRandomAdaptiveTest(ctx, 100 + 1, 3600));  // more than the pool holds
}

TEST_F(Adaptive, RandomAdaptiveFitsUnitsToTheShortestLevelAndTakesAnExactListWhole) {
    setBank(practiceBank(items("b", "Beginner", 30) + items("i", "Intermediate", 25) + items("e", "Expert", 30)));
    ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 70, 3600));
    EXPECT_EQ(handedOverIds().size(), 35u);

    setBank(practiceBank(items("b", "Beginner", 10) + items("i", "Intermediate", 15) + items("e", "Expert", 10)));
    ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 35, 3600));
    std::vector<std::string> ids = handedOverIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()) - ids.begin(), 35);

    setBank(practiceBank(items("b", "Beginner", 9) + items("i", "Intermediate", 30) + items("e", "Expert", 10)));
    EXPECT_FALSE(buildRandomAdaptiveTest(ctx, 35, 3600));
}

TEST_F(Adaptive, CustomizedAdaptiveTakesTheFirstOfEachLevelOrIsRefused) {
    setBank(practiceBank(items("b", "Beginner", 12) + items("i", "Intermediate", 16) + items("e", "Expert", 11)));
    ASSERT_TRUE(buildCustomizedTest(ctx, 2100, R"(<c><o Beginner="12" Intermediate="16" Expert="11">T</o></c>)", true));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "Adaptive");
    EXPECT_STREQ(test.attribute("time").value(), "2100");
    EXPECT_STREQ(test.first_child().name(), "Property");
    const std::vector<std::string> ids = questionIds(test);
    ASSERT_EQ(ids.size(), 35u);
    EXPECT_EQ(ids[0], "i0");
    EXPECT_EQ(ids[15], "b0");
    EXPECT_EQ(ids[25], "e0");
    // Passes the level check (6, 8, 6) but cannot fill 10/15/10: refused.
    EXPECT_FALSE(buildCustomizedTest(ctx, 2100, R"(<c><o Beginner="6" Intermediate="8" Expert="6">T</o></c>)", true));
    EXPECT_FALSE(buildCustomizedTest(ctx, 2100, R"(<c><o Beginner="4" Intermediate="16" Expert="11">T</o></c>)", true));
}

TEST_F(Adaptive, BookmarkAdaptiveNeedsEnoughBookmarksPerLevel) {
    EXPECT_FALSE(buildBookmarkAdaptiveTest(ctx, 600));
    writeDataText(ctx, "bookmark", "<Test name=\"bookMark\"><property/>" + items("b", "Beginner", 10) +
                                       items("i", "Intermediate", 15) + items("e", "Expert", 9) + "</Test>");
    EXPECT_FALSE(buildBookmarkAdaptiveTest(ctx, 600));
    writeDataText(ctx, "bookmark", "<Test name=\"bookMark\"><property/>" + items("b", "Beginner", 10) +
                                       items("i", "Intermediate", 15) + items("e", "Expert", 10) + "</Test>");
    ASSERT_TRUE(buildBookmarkAdaptiveTest(ctx, 600));
    EXPECT_STREQ(handedOver().attribute("time_remaining").value(), "600");
    EXPECT_EQ(levelsOf(handedOver()), std::string(15, 'I') + std::string(10, 'B') + std::string(10, 'E'));
}
