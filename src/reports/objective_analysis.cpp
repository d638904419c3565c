#include "reports/objective_analysis.h"

#include "core/app_context.h"
#include "core/number_text.h"
#include "core/product_config.h"
#include "core/xml.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace examsim {
namespace {

struct Score {
    pugi::xml_node objective;
    std::int64_t maxScore = 0;
    std::int64_t yourScore = 0;
};

std::int32_t storedScore(const pugi::xml_node& objective, const char* name) {
    const pugi::xml_attribute a = objective.attribute(name);
    const auto value = a ? wholeNumber(a.value()) : std::nullopt;
    if (!value) throw ObjectiveAnalysisError(std::string("objective ") + name + " is not a number");
    return *value;
}

// Adds a question's marks; a value that is not a number, or a sum that leaves
// the 32-bit range, adds nothing.
void addTo(std::int64_t& sum, std::optional<std::int32_t> value) {
    if (!value) return;
    const std::int64_t next = sum + *value;
    if (next >= INT32_MIN && next <= INT32_MAX) sum = next;
}

}  // namespace

pugi::xml_node appendObjectivesSkeleton(AppContext& ctx, pugi::xml_node parent) {
    // Built as nodes, so a name holding "&", "<" or a quote is kept as it is.
    pugi::xml_node objectives = parent.append_child("Objectives");
    for (const pugi::xpath_node& n : selectAll(ctx.productDoc, "//objective")) {
        pugi::xml_node o = objectives.append_child("objective");
        o.append_attribute("name").set_value(n.node().attribute("name").value());
        o.append_attribute("yourscore").set_value("0");
        o.append_attribute("maxScore").set_value("0");
        o.append_attribute("percentage").set_value("0");
        o.append_attribute("result").set_value("fail");
    }
    return objectives;
}

std::string buildObjectivesSkeleton(AppContext& ctx) {
    pugi::xml_document scratch;
    return xmlText(appendObjectivesSkeleton(ctx, scratch));
}

void analyseObjectives(AppContext& ctx, pugi::xml_node objectives, const pugi::xml_node& evaluatedTest) {
    if (!objectives) throw ObjectiveAnalysisError("no Objectives element");
    const auto pass = wholeNumber(productText(ctx, productkey::RootPassPercentage));
    if (!pass) throw ObjectiveAnalysisError("no numeric pass percentage");

    // Every stored score is read before any is changed, so a failure leaves all as they were.
    std::vector<Score> scores;
    for (pugi::xml_node o = objectives.child("objective"); o; o = o.next_sibling("objective"))
        scores.push_back({o, storedScore(o, "maxScore"), storedScore(o, "yourscore")});

    std::unordered_map<std::string_view, std::vector<pugi::xml_node>> byCategory;
    for (const pugi::xpath_node& n : selectAll(evaluatedTest, "descendant-or-self::item"))
        if (const pugi::xml_attribute category = n.node().attribute("category")) byCategory[category.value()].push_back(n.node());

    for (Score& s : scores) {
        const auto found = byCategory.find(s.objective.attribute("name").value());
        if (found != byCategory.end()) {
            for (const pugi::xml_node& item : found->second) {
                addTo(s.maxScore, wholeNumber(item.attribute("total_marks").value()));
                const pugi::xml_node scored = selectFirst(item, "user_attempt_report/marks_scored");
                if (scored) addTo(s.yourScore, wholeNumber(textContent(scored)));
            }
        }
        std::int32_t percentage = 0;
        if (s.maxScore > 0) percentage = roundedToWhole(static_cast<double>(s.yourScore) / static_cast<double>(s.maxScore) * 100.0).value_or(0);
        setAttribute(s.objective, "maxScore", std::to_string(s.maxScore));
        setAttribute(s.objective, "yourscore", std::to_string(s.yourScore));
        setAttribute(s.objective, "percentage", std::to_string(percentage));
        setAttribute(s.objective, "result", percentage >= *pass ? "Pass" : "Fail");
    }
}

}  // namespace examsim
