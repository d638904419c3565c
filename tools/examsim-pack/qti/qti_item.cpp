#include "qti_item.h"

#include "qti_picture.h"
#include "qti_text.h"
#include "qti_xml.h"

#include <cmath>
#include <cstdlib>

namespace examsim::pack::qti {

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Only the standard templates score as the product does (all or nothing).
void requireStandardScoring(const ItemContext& ctx) {
    const pugi::xml_node rp = childNamed(ctx.item, "responseProcessing");
    if (!rp) ctx.refuse("has no response processing");
    std::string uri = rp.attribute("template").value();
    if (const auto dot = uri.rfind('.'); dot != std::string::npos && uri.compare(dot, 4, ".xml") == 0) uri.resize(dot);
    if (!endsWith(uri, "/match_correct") && !endsWith(uri, "/map_response") && uri != "match_correct" &&
        uri != "map_response")
        ctx.refuse(uri.empty() ? "scores with its own response processing rules, not a standard template"
                               : "scores with the template \"" + uri + "\", not match_correct or map_response");
}

pugi::xml_node theInteraction(const ItemContext& ctx) {
    std::vector<pugi::xml_node> found;
    for (const auto& x : ctx.body.select_nodes(".//*")) {
        const std::string name = localName(x.node());
        if (endsWith(name, "Interaction")) found.push_back(x.node());
    }
    if (found.empty()) ctx.refuse("has no interaction");
    if (found.size() > 1) ctx.refuse("has " + std::to_string(found.size()) + " interactions; a question holds one");
    return found.front();
}

// The marks: the SCORE outcome's normalMaximum, else the mapping's upper
// bound, else 1; whole numbers only.
int marksOf(const ItemContext& ctx, const ResponseDeclaration& r) {
    double most = 0;
    for (const auto& o : childrenNamed(ctx.item, "outcomeDeclaration"))
        if (std::string(o.attribute("identifier").value()) == "SCORE") most = o.attribute("normalMaximum").as_double();
    if (most <= 0) most = r.upperBound;
    if (most >= 1 && most == std::floor(most) && most <= 100) return static_cast<int>(most);
    return 1;
}

std::string feedbackText(const ItemContext& ctx) {
    std::string out;
    std::vector<pugi::xml_node> all = childrenNamed(ctx.item, "modalFeedback");
    for (const auto& f : descendantsNamed(ctx.body, "feedbackBlock")) all.push_back(f);
    for (const auto& f : all)
        if (const std::string text = inlineText(f); !text.empty()) out += (out.empty() ? "" : " ") + text;
    return out;
}

}  // namespace

std::string itemName(const std::string& identifier) { return "item \"" + identifier + "\""; }

std::vector<const PictureRef*> Question::pictures() const {
    std::vector<const PictureRef*> out;
    if (exhibit) out.push_back(&*exhibit);
    if (questionImage) out.push_back(&*questionImage);
    for (const auto& t : tiles) out.push_back(&t.picture);
    return out;
}

void ItemContext::refuse(const std::string& why) const { throw ItemRefused(who + " " + why); }

ResponseDeclaration responseOf(const ItemContext& ctx, const pugi::xml_node& interaction) {
    const std::string id = interaction.attribute("responseIdentifier").value();
    for (const auto& d : childrenNamed(ctx.item, "responseDeclaration")) {
        if (id != d.attribute("identifier").value()) continue;
        ResponseDeclaration r{id, d.attribute("cardinality").value(), d.attribute("baseType").value(), {}, {}, 0};
        for (const auto& v : childrenNamed(childNamed(d, "correctResponse"), "value"))
            r.correct.push_back(collapsed(v.text().get()));
        const pugi::xml_node mapping = childNamed(d, "mapping");
        r.upperBound = mapping.attribute("upperBound").as_double();
        for (const auto& e : childrenNamed(mapping, "mapEntry"))
            r.mapping.emplace_back(e.attribute("mapKey").value(), e.attribute("mappedValue").as_double());
        return r;
    }
    ctx.refuse("has no responseDeclaration \"" + id + "\" for its interaction");
}

std::vector<bool> correctPositions(const ItemContext& ctx, const ResponseDeclaration& r,
                                   const std::map<std::string, std::size_t>& byId, const std::string& what) {
    if (r.correct.empty()) ctx.refuse("has no correct response");
    std::vector<bool> correct(byId.size(), false);
    for (const auto& v : r.correct) {
        const auto it = byId.find(v);
        if (it == byId.end()) ctx.refuse("has a correct response naming \"" + v + "\", which is none of its " + what);
        correct[it->second] = true;
    }
    return correct;
}

Question convertItem(const ItemSource& source) {
    pugi::xml_document doc;
    const std::string file = source.file.filename().string();
    loadXmlFile(doc, source.file.string(), "\"" + file + "\"");
    ItemContext ctx;
    ctx.item = doc.document_element();
    ctx.source = &source;
    if (localName(ctx.item) != "assessmentItem") throw ItemRefused("\"" + file + "\" is no assessmentItem");
    Question q;
    q.identifier = ctx.item.attribute("identifier").value();
    if (q.identifier.empty()) throw ItemRefused("\"" + file + "\": the assessmentItem has no identifier");
    q.title = ctx.item.attribute("title").value();
    ctx.who = itemName(q.identifier);
    ctx.body = childNamed(ctx.item, "itemBody");
    if (ctx.item.attribute("adaptive").as_bool()) ctx.refuse("is adaptive (scored over several attempts)");
    if (childNamed(ctx.item, "templateDeclaration") || childNamed(ctx.item, "templateProcessing"))
        ctx.refuse("is a template (its values change from attempt to attempt)");
    if (!descendantsNamed(ctx.body, "math").empty()) ctx.refuse("holds MathML, which the question screen cannot show");
    const pugi::xml_node interaction = theInteraction(ctx);
    const std::string kind = localName(interaction);
    requireStandardScoring(ctx);
    if (kind == "choiceInteraction")
        convertChoice(ctx, interaction, q);
    else if (kind == "textEntryInteraction")
        convertTextEntry(ctx, interaction, q);
    else if (kind == "hotspotInteraction")
        convertHotspot(ctx, interaction, q);
    else if (kind == "graphicGapMatchInteraction")
        convertGraphicGapMatch(ctx, interaction, q);
    else
        ctx.refuse("uses " + kind + ", which the product has no question kind for");

    q.marks = marksOf(ctx, responseOf(ctx, interaction));
    const std::string asked = q.statement;  // what a converter adds, e.g. how many to choose
    q.statement = statementText(ctx.body, interaction);
    if (!asked.empty()) q.statement += (q.statement.empty() ? "" : " ") + asked;
    if (q.statement.empty()) ctx.refuse("has no question text");
    q.explanation = feedbackText(ctx);
    q.objective = source.objective;
    q.level = source.level;

    // A picture in the text (outside the interaction) becomes the exhibit.
    std::vector<pugi::xml_node> images;
    for (const auto& img : descendantsNamed(ctx.body, "img"))
        if (!interaction.find_node([&](const pugi::xml_node& n) { return n == img; })) images.push_back(img);
    if (images.size() > 1) ctx.refuse("shows " + std::to_string(images.size()) + " pictures in its text; a question has one exhibit");
    if (!images.empty()) {
        PictureRef p;
        std::string why;
        if (!resolvePicture(source.file, source.root, images[0].attribute("src").value(), p, why)) ctx.refuse(why);
        q.exhibit = p;
    }
    requireStorable(q);
    return q;
}

}  // namespace examsim::pack::qti
