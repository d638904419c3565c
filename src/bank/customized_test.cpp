#include "bank/customized_test.h"

#include "bank/adaptive_tests.h"
#include "bank/answer_merge.h"
#include "bank/question_bank.h"
#include "bank/test_document.h"
#include "core/app_context.h"
#include "core/number_text.h"
#include "core/system_clock.h"
#include "core/xml.h"
#include "core/movie_document.h"

#include <array>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace examsim {

namespace {

constexpr std::array<const char*, 3> kLevelOrder{"Beginner", "Intermediate", "Expert"};
constexpr std::array<double, 3> kPerUnit{10.0, 15.0, 10.0};

std::string offerKey(std::string_view topic, std::string_view level) {
    std::string key(topic);
    key += '\0';
    key += level;
    return key;
}

}  // namespace

CustomizedBuild buildCustomizedTest(AppContext& ctx, double seconds, const std::string& selection, bool adaptive) {
    pugi::xml_document chosen;
    if (const XmlParseOutcome parsed = parseMovieXml(ctx, chosen, selection); !parsed)
        return failure(CustomizedFault::NotParsed, parsed.description);
    // The pool's questions per topic and level, in pool order; a cursor per
    // list stands for the questions already moved out of the pool.
    struct Offer {
        std::vector<pugi::xml_node> items;
        std::size_t taken = 0;
    };
    std::unordered_map<std::string, Offer> offers;
    for (const pugi::xml_node& item : practicePoolChildren(ctx))
        if (isElement(item, "item"))
            offers[offerKey(item.attribute("topic").value(), item.attribute("level").value())].items.push_back(item);

    pugi::xml_document doc;
    Clock& clock = clockOf(ctx);
    const std::string name = adaptive ? std::string("Adaptive") : "Customized Exam" + clock.shortDate(clock.now());
    pugi::xml_node test = newTestDocument(doc, name, timeText(seconds));
    std::array<std::int64_t, 3> totals{0, 0, 0};  // wide: the counts come from a movie
    for (pugi::xml_node objective = chosen.document_element().first_child(); objective; objective = objective.next_sibling()) {
        if (objective.type() != pugi::node_element) continue;
        const std::string topic = textContent(objective.first_child());
        for (std::size_t l = 0; l < kLevelOrder.size(); ++l) {
            const std::int32_t wanted = std::max(0, wholeNumber(objective.attribute(kLevelOrder[l]).value()).value_or(0));
            totals[l] += wanted;
            const auto found = offers.find(offerKey(topic, kLevelOrder[l]));
            if (found == offers.end()) continue;
            Offer& offer = found->second;
            for (std::int32_t k = 0; k < wanted && offer.taken < offer.items.size(); ++k) test.append_copy(offer.items[offer.taken++]);
        }
    }
    if (adaptive)
        for (std::size_t l = 0; l < totals.size(); ++l)
            if (roundHalfEven(static_cast<double>(totals[l]) / kPerUnit[l]) == 0)
                return failure(CustomizedFault::BelowAdaptiveThreshold, kLevelOrder[l]);
    if (childNodes(test).size() < 2) return failure(CustomizedFault::NoQuestion);
    pugi::xml_document adaptiveDoc;
    test = testWithQuestions(test, adaptive, adaptiveDoc);
    if (!test) return failure(CustomizedFault::TooFewPerLevel);
    mergeAnswersInto(ctx, test);
    handOverTest(ctx, test);
    const auto items = test.children("item");
    return static_cast<std::size_t>(std::distance(items.begin(), items.end()));
}

}  // namespace examsim
