#include "bank/customized_test.h"

#include "bank/adaptive_tests.h"
#include "bank/answer_merge.h"
#include "bank/question_bank.h"
#include "bank/test_document.h"
#include "core/app_context.h"
#include "core/number_text.h"
#include "core/xml.h"

#include <array>
#include <iomanip>
#include <locale>
#include <sstream>

namespace examsim {

namespace {

constexpr std::array<const char*, 3> kLevelOrder{"Beginner", "Intermediate", "Expert"};
constexpr std::array<double, 3> kPerUnit{10.0, 15.0, 10.0};

std::time_t today(AppContext& ctx) { return ctx.host.clock ? ctx.host.clock->now() : std::time(nullptr); }

}  // namespace

std::string shortDate(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::ostringstream out;
    out.imbue(std::locale());
    out << std::put_time(&local, "%x");
    return out.str();
}

bool buildCustomizedTest(AppContext& ctx, double seconds, const std::string& selection, bool adaptive) {
    pugi::xml_document chosen;
    if (!parseXml(chosen, selection)) return false;
    pugi::xml_document pool;
    buildPracticePool(ctx, pool);
    pugi::xml_node poolRoot = pool.document_element();

    pugi::xml_document doc;
    const std::string name = adaptive ? std::string("Adaptive") : "Customized Exam" + shortDate(today(ctx));
    pugi::xml_node test = newTestDocument(doc, name, timeText(seconds));
    std::array<std::int32_t, 3> totals{0, 0, 0};
    for (pugi::xml_node objective = chosen.document_element().first_child(); objective; objective = objective.next_sibling()) {
        if (objective.type() != pugi::node_element) continue;
        const std::string topic = textContent(objective.first_child());
        for (std::size_t l = 0; l < kLevelOrder.size(); ++l) {
            const std::int32_t wanted = std::max(0, wholeNumber(objective.attribute(kLevelOrder[l]).value()).value_or(0));
            totals[l] += wanted;
            const auto matches = selectAll(poolRoot, "item[@topic = $t and @level = $l]", {{"t", topic}, {"l", kLevelOrder[l]}});
            std::int32_t taken = 0;
            for (const auto& x : matches) {
                if (taken++ == wanted) break;
                // Moved, so an objective named twice never asks a question twice.
                test.append_copy(x.node());
                poolRoot.remove_child(x.node());
            }
        }
    }
    if (adaptive)
        for (std::size_t l = 0; l < totals.size(); ++l)
            if (roundHalfEven(totals[l] / kPerUnit[l]) == 0) return false;
    if (childNodes(test).size() < 2) return false;
    pugi::xml_document adaptiveDoc;
    if (adaptive) {
        pickAdaptiveQuestions(test, 35, adaptiveDoc);
        test = adaptiveDoc.document_element();
        if (childNodes(test).size() < 2) return false;
    }
    mergeAnswersInto(ctx, test);
    return handOverTest(ctx, test);
}

}  // namespace examsim
