#include "bank/answer_merge.h"

#include "bank/answers.h"
#include "core/app_context.h"
#include "core/xml.h"

#include <string_view>

namespace examsim {

namespace {

void setCorrect(pugi::xml_node response, bool correct) { setAttribute(response, "correct", correct ? "true" : "false"); }

bool isValueNode(const pugi::xml_node& n) {
    const auto t = n.type();
    return t == pugi::node_element || t == pugi::node_pcdata || t == pugi::node_cdata;
}

void markSingleChoice(pugi::xml_node item, const pugi::xml_node& answer) {
    const std::string right = textContent(answer);
    for (pugi::xml_node responses = item.child("responses"); responses; responses = responses.next_sibling("responses"))
        for (pugi::xml_node r = responses.first_child(); r; r = r.next_sibling())
            if (r.type() == pugi::node_element) setCorrect(r, right == r.attribute("name").value());
}

void markMultipleChoice(pugi::xml_node item, const pugi::xml_node& answer) {
    std::vector<std::string> right;
    for (pugi::xml_node c = answer.first_child(); c; c = c.next_sibling())
        if (isValueNode(c)) right.push_back(textContent(c));
    for (pugi::xml_node responses = item.child("responses"); responses; responses = responses.next_sibling("responses"))
        for (pugi::xml_node r = responses.first_child(); r; r = r.next_sibling()) {
            if (r.type() != pugi::node_element) continue;
            bool correct = false;
            for (const std::string& name : right) correct = correct || name == r.attribute("name").value();
            setCorrect(r, correct);
        }
}

void addFillInAnswer(pugi::xml_node item, const pugi::xml_node& answer) {
    pugi::xml_node responses = item.append_child("responses");
    if (answer.first_child()) responses.append_copy(answer.first_child());
}

}  // namespace

void mergeAnswersInto(const AppContext& ctx, pugi::xml_node test) {
    pugi::xml_node first = test.first_child();
    if (!first) return;
    for (pugi::xml_node item = first.next_sibling(); item; item = item.next_sibling()) {
        if (item.type() != pugi::node_element || std::string_view(item.name()) != "item") continue;
        const pugi::xml_node answer = answerFor(ctx, item.attribute("questionId").value());
        if (!answer) continue;
        const std::string_view type = item.attribute("type").value();
        if (type == "Single Choice")
            markSingleChoice(item, answer);
        else if (type == "Multiple Choice")
            markMultipleChoice(item, answer);
        else if (type == "Fill in the blank")
            addFillInAnswer(item, answer);
    }
}

std::string mergeAnswers(const AppContext& ctx, const std::string& testText) {
    pugi::xml_document doc;
    if (!parseXml(doc, testText)) return testText;
    mergeAnswersInto(ctx, firstNamed(doc, "Test"));
    return xmlText(doc);
}

}  // namespace examsim
