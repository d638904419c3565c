#include "qti_item.h"
#include "qti_xml.h"

namespace examsim::pack::qti {

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
