#include "qti_item.h"
#include "qti_picture.h"
#include "qti_shape.h"
#include "qti_text.h"
#include "qti_xml.h"

#include <map>

namespace examsim::pack::qti {

namespace {

PictureRef picture(const ItemContext& ctx, const pugi::xml_node& object, const std::string& what) {
    if (!object) ctx.refuse("has no picture for its " + what);
    PictureRef p;
    std::string why;
    if (!resolvePicture(ctx.source->file, ctx.source->root, object.attribute("data").value(), p, why)) ctx.refuse(why);
    return p;
}

// Coordinates are given for the object as the item draws it; the product
// takes them in the file's own pixels.
Scale scaleOf(const pugi::xml_node& object, const PictureRef& p) {
    Scale s;
    if (const double w = object.attribute("width").as_double(); w > 0) s.x = p.width / w;
    if (const double h = object.attribute("height").as_double(); h > 0) s.y = p.height / h;
    return s;
}

Rect areaOf(const ItemContext& ctx, const pugi::xml_node& spot, const Scale& scale, Question& q) {
    const std::string id = spot.attribute("identifier").value();
    const std::string shape = spot.attribute("shape").value();
    Rect r;
    bool approximated = false;
    if (!shapeRect(shape, spot.attribute("coords").value(), scale, r, approximated))
        ctx.refuse("has area \"" + id + "\" of shape \"" + shape + "\" with coords \"" +
                   spot.attribute("coords").value() + "\", which is no rect, circle, ellipse or poly");
    if (approximated) q.notes.push_back(itemName(q.identifier) + ": area \"" + id + "\" (" + shape + ") kept as its bounding rectangle");
    return r;
}

void requireApart(const ItemContext& ctx, const std::vector<std::pair<std::string, Rect>>& areas) {
    for (std::size_t i = 0; i < areas.size(); ++i)
        for (std::size_t k = i + 1; k < areas.size(); ++k)
            if (overlap(areas[i].second, areas[k].second))
                ctx.refuse("has areas \"" + areas[i].first + "\" and \"" + areas[k].first +
                           "\" that overlap as rectangles; the product's areas must not overlap");
}

}  // namespace

void convertHotspot(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q) {
    const ResponseDeclaration r = responseOf(ctx, interaction);
    const pugi::xml_node object = childNamed(interaction, "object");
    q.questionImage = picture(ctx, object, "hot spots");
    const Scale scale = scaleOf(object, *q.questionImage);
    std::map<std::string, std::size_t> byId;
    std::vector<std::pair<std::string, Rect>> areas;
    for (const auto& c : childrenNamed(interaction, "hotspotChoice")) {
        const std::string id = c.attribute("identifier").value();
        HotSpot h{"H" + std::to_string(q.hotspots.size() + 1), c.attribute("hotspotLabel").value(),
                  areaOf(ctx, c, scale, q), false};
        if (h.label.empty()) h.label = inlineText(c);
        if (h.label.empty()) h.label = id;
        if (!byId.emplace(id, q.hotspots.size()).second) ctx.refuse("has two areas named \"" + id + "\"");
        areas.emplace_back(id, h.rect);
        q.hotspots.push_back(h);
    }
    requireApart(ctx, areas);
    const std::vector<bool> correct = correctPositions(ctx, r, byId, "areas");
    std::size_t right = 0;
    for (std::size_t i = 0; i < q.hotspots.size(); ++i) right += q.hotspots[i].correct = correct[i];
    const bool single = interaction.attribute("maxChoices").as_int(1) == 1;
    q.kind = single ? "HotSpot" : "MultipleHotSpot";
    if (single && right != 1) ctx.refuse("lets the learner pick one area but has " + std::to_string(right) + " correct");
    if (!single && right < 2) ctx.refuse("lets the learner pick several areas but has only one correct; make maxChoices 1");
    if (right == q.hotspots.size()) ctx.refuse("has every area correct");
}

void convertGraphicGapMatch(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q) {
    const ResponseDeclaration r = responseOf(ctx, interaction);
    q.kind = "DragNDrop";
    if (childNamed(interaction, "gapText")) ctx.refuse("has text gaps (gapText); the product's tiles are pictures");
    const pugi::xml_node object = childNamed(interaction, "object");
    q.questionImage = picture(ctx, object, "drop areas");
    const Scale scale = scaleOf(object, *q.questionImage);
    std::map<std::string, std::string> tileOf;  // gapImg identifier -> tile name
    for (const auto& g : childrenNamed(interaction, "gapImg")) {
        const std::string id = g.attribute("identifier").value();
        Tile t{std::string(1, static_cast<char>('A' + q.tiles.size())), g.attribute("objectLabel").value(),
               picture(ctx, childNamed(g, "object"), "picture \"" + id + "\"")};
        if (t.label.empty()) t.label = inlineText(childNamed(g, "object"));
        if (t.label.empty()) t.label = id;
        if (q.tiles.size() == 26) ctx.refuse("has more than 26 pictures to drag");
        if (!tileOf.emplace(id, t.name).second) ctx.refuse("has two pictures named \"" + id + "\"");
        q.tiles.push_back(t);
    }
    std::map<std::string, pugi::xml_node> spots;
    for (const auto& h : childrenNamed(interaction, "associableHotspot")) spots[h.attribute("identifier").value()] = h;
    std::map<std::string, std::string> answerOf;  // hotspot -> tile
    std::map<std::string, std::string> placed;    // tile -> hotspot
    for (const auto& v : r.correct) {
        const auto blank = v.find(' ');
        const std::string gap = v.substr(0, blank), spot = blank == std::string::npos ? "" : v.substr(blank + 1);
        const auto tile = tileOf.find(gap);
        if (tile == tileOf.end() || !spots.count(spot))
            ctx.refuse("has a correct response \"" + v + "\" naming no picture and area of its own");
        if (!answerOf.emplace(spot, tile->second).second) ctx.refuse("expects two pictures on area \"" + spot + "\"");
        if (!placed.emplace(tile->second, spot).second) ctx.refuse("expects picture \"" + gap + "\" on two areas");
    }
    if (answerOf.empty()) ctx.refuse("has no correct response");
    std::vector<std::pair<std::string, Rect>> areas;
    for (const auto& h : childrenNamed(interaction, "associableHotspot")) {
        const std::string id = h.attribute("identifier").value();
        const auto answer = answerOf.find(id);
        if (answer == answerOf.end()) {
            q.notes.push_back(itemName(q.identifier) + ": area \"" + id + "\" is left out: no picture belongs there");
            continue;
        }
        Target t{"T" + std::to_string(q.targets.size() + 1), areaOf(ctx, h, scale, q), answer->second};
        areas.emplace_back(id, t.rect);
        q.targets.push_back(t);
    }
    requireApart(ctx, areas);
}

}  // namespace examsim::pack::qti
