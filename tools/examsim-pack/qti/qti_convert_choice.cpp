#include "qti_item.h"
#include "qti_text.h"
#include "qti_xml.h"

#include <map>

namespace examsim::pack::qti {

namespace {

const char* const kCounts[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};

}  // namespace

void convertChoice(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q) {
    const ResponseDeclaration r = responseOf(ctx, interaction);
    const int maxChoices = interaction.attribute("maxChoices").as_int(1);
    q.kind = maxChoices == 1 ? "Single Choice" : "Multiple Choice";
    const auto choices = childrenNamed(interaction, "simpleChoice");
    if (choices.size() < 2) ctx.refuse("offers fewer than two choices");
    if (choices.size() > 26) ctx.refuse("offers more than 26 choices");
    std::map<std::string, std::size_t> byId;
    for (const auto& c : choices) {
        Option o{std::string(1, static_cast<char>('A' + q.options.size())), inlineText(c), false};
        if (o.text.empty()) ctx.refuse("has a choice without text (\"" + std::string(c.attribute("identifier").value()) + "\")");
        if (!byId.emplace(c.attribute("identifier").value(), q.options.size()).second)
            ctx.refuse("has two choices named \"" + std::string(c.attribute("identifier").value()) + "\"");
        q.options.push_back(o);
    }
    const std::vector<bool> correct = correctPositions(ctx, r, byId, "choices");
    std::size_t right = 0;
    for (std::size_t i = 0; i < q.options.size(); ++i) right += q.options[i].correct = correct[i];
    if (q.kind == "Single Choice" && right != 1) ctx.refuse("lets the learner pick one choice but has " + std::to_string(right) + " correct");
    if (right == q.options.size()) ctx.refuse("has every choice correct");
    // Marks are all or nothing, so the learner is told how many to pick.
    if (q.kind == "Multiple Choice" && right < std::size(kCounts))
        q.statement = std::string("(Choose ") + kCounts[right] + ".)";
}

}  // namespace examsim::pack::qti
