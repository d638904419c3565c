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

void convertTextEntry(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q) {
    const ResponseDeclaration r = responseOf(ctx, interaction);
    q.kind = "Fill in the blank";
    if (r.cardinality != "single") ctx.refuse("expects " + r.cardinality + " answers in one blank");
    std::vector<std::string> accepted = r.correct;
    for (const auto& [key, value] : r.mapping)
        if (value > 0) accepted.push_back(collapsed(key));
    if (accepted.empty() || accepted.front().empty()) ctx.refuse("has no correct response");
    q.accepted = accepted.front();
    // The movie compares without regard to case and blanks: keep one of each.
    auto same = [](std::string a, std::string b) {
        for (auto* s : {&a, &b})
            for (char& c : *s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return a == b;
    };
    for (const auto& a : accepted) {
        if (a.empty()) continue;
        if (a.find('|') != std::string::npos) ctx.refuse("accepts \"" + a + "\", and \"|\" separates accepted answers");
        bool known = same(a, q.accepted);
        for (const auto& k : q.alternatives) known = known || same(a, k);
        if (!known) q.alternatives.push_back(a);
    }
}

}  // namespace examsim::pack::qti
