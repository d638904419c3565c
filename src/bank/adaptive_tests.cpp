#include "bank/adaptive_tests.h"

#include "bank/answer_merge.h"
#include "bank/question_bank.h"
#include "bank/random_draw.h"
#include "bank/retake_tests.h"
#include "bank/test_document.h"
#include "core/app_context.h"
#include "core/number_text.h"
#include "core/xml.h"

#include <algorithm>
#include <array>

namespace examsim {

namespace {

struct Level {
    const char* name;
    std::int32_t perUnit;
};
// Order in which the levels are fitted and drawn; the test asks Intermediate first.
constexpr std::array<Level, 3> kLevels{{{"Beginner", 10}, {"Intermediate", 15}, {"Expert", 10}}};
constexpr std::array<std::size_t, 3> kAskOrder{1, 0, 2};

void copyAttribute(const pugi::xml_node& from, pugi::xml_node& to, const char* name) {
    if (const pugi::xml_attribute a = from.attribute(name)) to.append_attribute(name).set_value(a.value());
}

// `wanted` items of the list, each item as likely as any other.
std::vector<pugi::xml_node> drawFrom(AppContext& ctx, const std::vector<pugi::xml_node>& list, std::int32_t wanted) {
    std::vector<pugi::xml_node> out;
    for (std::int32_t position : drawPositions(ctx, static_cast<std::int32_t>(list.size()), wanted))
        out.push_back(list[static_cast<std::size_t>(position)]);
    return out;
}

}  // namespace

void pickAdaptiveQuestions(const pugi::xml_node& source, std::int32_t count, pugi::xml_document& out) {
    out.reset();
    pugi::xml_node test = out.append_child("Test");
    test.append_attribute("name").set_value("Adaptive");
    copyAttribute(source, test, "time");
    copyAttribute(source, test, "time_remaining");
    test.append_child("Property");
    const std::int32_t units = static_cast<std::int32_t>(roundHalfEven(static_cast<double>(count) / 35.0));
    std::array<std::vector<pugi::xml_node>, 3> lists;
    for (std::size_t l = 0; l < kLevels.size(); ++l) {
        lists[l] = childrenWith(source, "item", "level", kLevels[l].name);
        if (static_cast<std::int32_t>(lists[l].size()) < kLevels[l].perUnit * units) return;
    }
    for (std::size_t l : kAskOrder)
        for (std::int32_t k = 0; k < kLevels[l].perUnit * units; ++k) test.append_copy(lists[l][static_cast<std::size_t>(k)]);
}

pugi::xml_node testWithQuestions(const pugi::xml_node& test, bool adaptive, pugi::xml_document& holder) {
    if (childNodes(test).size() < 2) return {};
    if (!adaptive) return test;
    pickAdaptiveQuestions(test, 35, holder);
    const pugi::xml_node picked = holder.document_element();
    return childNodes(picked).size() < 2 ? pugi::xml_node() : picked;
}

bool buildRandomAdaptiveTest(AppContext& ctx, std::int32_t n, double seconds) {
    if (n < 35) return false;
    const std::vector<pugi::xml_node> pool = practicePoolChildren(ctx);
    if (static_cast<std::int32_t>(pool.size()) <= n) return false;
    std::int32_t units = n / 35;
    std::array<std::vector<pugi::xml_node>, 3> lists;
    for (std::size_t l = 0; l < kLevels.size(); ++l) lists[l] = nodesWith(pool, "item", "level", kLevels[l].name);
    for (std::size_t l = 0; l < kLevels.size(); ++l) {
        const auto length = static_cast<std::int32_t>(lists[l].size());
        if (units * kLevels[l].perUnit > length) units = std::min(units, length / kLevels[l].perUnit);
    }
    if (units == 0) return false;
    std::array<std::vector<pugi::xml_node>, 3> drawn;
    for (std::size_t l = 0; l < kLevels.size(); ++l) drawn[l] = drawFrom(ctx, lists[l], units * kLevels[l].perUnit);
    pugi::xml_document doc;
    pugi::xml_node test = newTestDocument(doc, "Adaptive", timeText(seconds));
    for (std::size_t l : kAskOrder)
        for (const pugi::xml_node& item : drawn[l]) test.append_copy(item);
    mergeAnswersInto(ctx, test);
    return handOverTest(ctx, test);
}

bool buildBookmarkAdaptiveTest(AppContext& ctx, double seconds) {
    pugi::xml_document bookmarks;
    pugi::xml_node root = bookmarksToRetake(ctx, bookmarks);
    if (!root) return false;
    const std::string time = timeText(seconds);
    for (const char* name : {"time", "time_remaining"}) setAttribute(root, name, time);
    pugi::xml_document holder;
    const pugi::xml_node test = testWithQuestions(root, true, holder);
    return test && handOverTest(ctx, test);
}

}  // namespace examsim
