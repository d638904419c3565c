#include "question_form.h"

#include "qti_picture.h"

namespace examsim::pack::qti {

namespace {

void rect(pugi::xml_node n, const Rect& r) {
    n.append_attribute("x") = r.x;
    n.append_attribute("y") = r.y;
    n.append_attribute("width") = r.width;
    n.append_attribute("height") = r.height;
}

void picture(pugi::xml_node n, const PictureRef& p) {
    n.append_attribute("uri") = kPictureUri;
    n.text().set(p.file.c_str());
}

void acceptedAnswer(pugi::xml_node parent, const Question& q) {
    pugi::xml_node r = parent.append_child("response");
    r.append_attribute("name") = "answer";
    if (!q.alternatives.empty()) {
        std::string joined;
        for (const auto& a : q.alternatives) joined += (joined.empty() ? "" : "|") + a;
        r.append_attribute("alternatives") = joined.c_str();
    }
    r.text().set(q.accepted.c_str());
}

}  // namespace

std::string questionIdFor(const std::string& identifier) {
    std::string id = "QTI-";
    for (char c : identifier)
        id += ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_')
                  ? c
                  : '_';
    return id;
}

void writeItem(pugi::xml_node parent, const Question& q, const std::string& questionId, Form form) {
    pugi::xml_node item = parent.append_child("item");
    item.append_attribute("questionId") = questionId.c_str();
    item.append_attribute("type") = q.kind.c_str();
    item.append_attribute("topic") = q.objective.c_str();
    item.append_attribute("category") = q.objective.c_str();
    item.append_attribute("level") = q.level.c_str();
    item.append_attribute("total_marks") = q.marks;
    item.append_attribute("time") = q.seconds;
    item.append_child("statement").text().set(q.statement.c_str());
    if (q.exhibit) {
        pugi::xml_node e = item.append_child("resource");
        e.append_attribute("name") = "exhibit";
        picture(e, *q.exhibit);
    }
    if (q.questionImage) {
        pugi::xml_node e = item.append_child("resource");
        e.append_attribute("name") = "questionimage";
        picture(e, *q.questionImage);
    }
    if (!q.options.empty()) {
        pugi::xml_node responses = item.append_child("responses");
        for (const auto& o : q.options) {
            pugi::xml_node r = responses.append_child("response");
            r.append_attribute("name") = o.name.c_str();
            if (form == Form::Quiz) r.append_attribute("correct") = o.correct ? "true" : "false";
            r.text().set(o.text.c_str());
        }
    }
    if (!q.tiles.empty()) {
        pugi::xml_node responses = item.append_child("responses");
        for (const auto& t : q.tiles) {
            pugi::xml_node r = responses.append_child("response");
            r.append_attribute("name") = t.name.c_str();
            r.append_attribute("uri") = kPictureUri;
            r.append_attribute("label") = t.label.c_str();
            r.text().set(t.picture.file.c_str());
        }
        pugi::xml_node targets = item.append_child("targets");
        for (const auto& t : q.targets) {
            pugi::xml_node n = targets.append_child("target");
            n.append_attribute("name") = t.name.c_str();
            rect(n, t.rect);
            n.append_attribute("answer") = t.answer.c_str();
        }
    }
    if (!q.hotspots.empty()) {
        pugi::xml_node spots = item.append_child("hotspots");
        for (const auto& h : q.hotspots) {
            pugi::xml_node n = spots.append_child("hotspot");
            n.append_attribute("name") = h.name.c_str();
            rect(n, h.rect);
            n.append_attribute("correct") = h.correct ? "true" : "false";
            n.append_attribute("label") = h.label.c_str();
        }
    }
    item.append_child("explanation").text().set(q.explanation.c_str());
    if (form == Form::Quiz && q.kind == "Fill in the blank") acceptedAnswer(item.append_child("responses"), q);
}

void writeAnswer(pugi::xml_node parent, const Question& q, const std::string& questionId) {
    pugi::xml_node ans = parent.append_child("Ans");
    ans.append_attribute("quid") = questionId.c_str();
    if (q.kind == "Single Choice") {
        for (const auto& o : q.options)
            if (o.correct) ans.text().set(o.name.c_str());
    } else if (q.kind == "Multiple Choice") {
        for (const auto& o : q.options)
            if (o.correct) ans.append_child("c").text().set(o.name.c_str());
    } else if (q.kind == "Fill in the blank") {
        acceptedAnswer(ans, q);
    }
}

}  // namespace examsim::pack::qti
