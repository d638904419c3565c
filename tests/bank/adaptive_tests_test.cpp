#include "bank/adaptive_tests.h"
#include "bank/customized_test.h"
#include "builder_fixture.h"
#include "support/data_files.h"

#include <algorithm>
#include <array>
#include <set>

using namespace examsim;
using namespace examsim::test;

namespace {

// b, i and e items of the three levels: b0.., i0.., e0.. of topic "T".
std::string levelItems(int b, int i, int e) {
    std::string s;
    for (int k = 0; k < b; ++k) s += practiceItem("b" + std::to_string(k), "T", "Beginner");
    for (int k = 0; k < i; ++k) s += practiceItem("i" + std::to_string(k), "T", "Intermediate");
    for (int k = 0; k < e; ++k) s += practiceItem("e" + std::to_string(k), "T", "Expert");
    return s;
}

// Level initials in asking order, checking the ids are distinct.
std::string levelsOf(const pugi::xml_node& test) {
    std::string s;
    std::set<std::string> ids;
    for (pugi::xml_node item = test.child("item"); item; item = item.next_sibling("item")) {
        s += item.attribute("level").value()[0];
        EXPECT_TRUE(ids.insert(item.attribute("questionId").value()).second) << "asked twice: " << item.attribute("questionId").value();
    }
    return s;
}
std::string blocks(std::size_t units) { return std::string(15 * units, 'I') + std::string(10 * units, 'B') + std::string(10 * units, 'E'); }

}  // namespace

class Adaptive : public BuilderTest {};

TEST_F(Adaptive, RandomAdaptiveAsksLevelBlocksPerUnitFittedToTheShortestLevel) {
    setBank(practiceBank(levelItems(30, 40, 30)));
    ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 70, 3600));
    EXPECT_EQ(levelsOf(handedOver()), blocks(2));
    EXPECT_STREQ(handed.document_element().first_child().name(), "property");
    ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 69, 3600));
    EXPECT_EQ(levelsOf(handedOver()), blocks(1));
    EXPECT_FALSE(buildRandomAdaptiveTest(ctx, 34, 3600));
    EXPECT_FALSE(buildRandomAdaptiveTest(ctx, 101, 3600));  // more than the pool holds

    // {b, i, e, asked, units}: units 0 is refused; 10/15/10 takes each list whole.
    for (const auto& r : std::vector<std::array<int, 5>>{{30, 25, 30, 70, 1}, {10, 15, 10, 35, 1}, {9, 30, 10, 35, 0}}) {
        SCOPED_TRACE(r[0] * 10000 + r[1] * 100 + r[2]);
        setBank(practiceBank(levelItems(r[0], r[1], r[2])));
        ASSERT_EQ(buildRandomAdaptiveTest(ctx, r[3], 3600), r[4] > 0);
        if (r[4] == 0) continue;
        EXPECT_EQ(levelsOf(handedOver()).size(), 35u);
    }
}

TEST_F(Adaptive, WithOneSpareQuestionPerLevelTheDrawDecidesWhichIsLeftOut) {
    setBank(practiceBank(levelItems(11, 16, 11)));
    // Per level, in the order Beginner, Intermediate, Expert: the first draw
    // takes the last question and the others the lowest left, or all lowest.
    for (const auto& [first, leftOut] : std::vector<std::pair<double, std::string>>{{0.99, "b0i0e0"}, {0.0, "b10i15e10"}}) {
        host.random.values.clear();
        for (int wanted : {10, 15, 10}) {
            host.random.values.push_back(first);
            host.random.values.insert(host.random.values.end(), static_cast<std::size_t>(wanted - 1), 0.0);
        }
        ASSERT_TRUE(buildRandomAdaptiveTest(ctx, 35, 3600));
        EXPECT_EQ(levelsOf(handedOver()), blocks(1));
        const std::vector<std::string> ids = questionIds(handed.document_element());
        std::string missing;
        for (const char* level : {"b", "i", "e"})
            for (int k = 0; k <= (*level == 'i' ? 15 : 10); ++k)
                if (std::count(ids.begin(), ids.end(), level + std::to_string(k)) == 0) missing += level + std::to_string(k);
        EXPECT_EQ(missing, leftOut);
    }
}

TEST_F(Adaptive, CustomizedAdaptiveTakesTheFirstOfEachLevelOrIsRefused) {
    setBank(practiceBank(levelItems(12, 16, 11)));
    ASSERT_TRUE(buildCustomizedTest(ctx, 2100, R"(<c><o Beginner="12" Intermediate="16" Expert="11">T</o></c>)", true));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "Adaptive");
    EXPECT_STREQ(test.attribute("time").value(), "2100");
    EXPECT_STREQ(test.first_child().name(), "Property");
    const std::vector<std::string> ids = questionIds(test);
    ASSERT_EQ(ids.size(), 35u);
    EXPECT_EQ(ids[0] + ids[15] + ids[25], "i0b0e0");
    // Requested totals below half a block (halves to even) are refused before
    // any question is picked; 6/8/6 passes that check but cannot fill 10/15/10.
    const struct {
        const char* counts;
        CustomizedFault why;
        const char* level;
    } refused[] = {
        {R"(Beginner="4" Intermediate="16" Expert="11")", CustomizedFault::BelowAdaptiveThreshold, "Beginner"},
        {R"(Beginner="12" Intermediate="7" Expert="11")", CustomizedFault::BelowAdaptiveThreshold, "Intermediate"},
        {R"(Beginner="12" Intermediate="16" Expert="5")", CustomizedFault::BelowAdaptiveThreshold, "Expert"},
        {R"(Beginner="6" Intermediate="8" Expert="6")", CustomizedFault::TooFewPerLevel, ""},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.counts);
        const CustomizedBuild built = buildCustomizedTest(ctx, 2100, std::string("<c><o ") + r.counts + ">T</o></c>", true);
        ASSERT_FALSE(built);
        EXPECT_EQ(built.reason(), r.why);
        EXPECT_EQ(built.detail(), r.level);
    }
}

TEST_F(Adaptive, BookmarkAdaptiveNeedsEnoughBookmarksPerLevel) {
    EXPECT_FALSE(buildBookmarkAdaptiveTest(ctx, 600));
    for (int experts : {9, 10}) {
        writeDataText(ctx, "bookmark", "<Test name=\"bookMark\"><property/>" + levelItems(10, 15, experts) + "</Test>");
        ASSERT_EQ(buildBookmarkAdaptiveTest(ctx, 600), experts == 10);
    }
    EXPECT_STREQ(handedOver().attribute("time_remaining").value(), "600");
    EXPECT_EQ(levelsOf(handed.document_element()), blocks(1));
}
