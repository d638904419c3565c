#include "check_rules.h"

#include "core/xml.h"

#include <map>
#include <set>

namespace examsim::pack {

namespace {

// The option names of a choice question; duplicates are findings.
std::set<std::string> optionNames(ProductSources& src, const std::string& file, const pugi::xml_node& item) {
    std::set<std::string> names;
    for (const auto& r : item.child("responses").children("response")) {
        const std::string name = r.attribute("name").value();
        if (name.empty())
            src.add(file, locate(item), "an option without a name");
        else if (!names.insert(name).second)
            src.add(file, locate(item), "option name \"" + name + "\" is used twice");
    }
    if (names.size() < 2) src.add(file, locate(item), "a choice question needs at least two options");
    return names;
}

void checkBankAnswer(ProductSources& src, const pugi::xml_node& item, const pugi::xml_node& ans) {
    const std::string bankFile = dataFile("QuestionBank");
    const std::string ansFile = dataFile("Answers");
    const std::string type = item.attribute("type").value();
    if (type == "Single Choice") {
        const auto names = optionNames(src, bankFile, item);
        if (ans.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; }))
            src.add(ansFile, locate(ans), "a single-choice answer is the name of one option, as text");
        else if (const std::string text = textContent(ans); !names.count(text))
            src.add(ansFile, locate(ans), "names option \"" + text + "\", which question \"" + locate(item) +
                                              "\" does not have");
    } else if (type == "Multiple Choice") {
        const auto names = optionNames(src, bankFile, item);
        std::set<std::string> chosen;
        for (const auto& c : ans.children()) {
            if (c.type() != pugi::node_element) continue;
            const std::string text = textContent(c);
            if (!names.count(text))
                src.add(ansFile, locate(ans), "names option \"" + text + "\", which the question does not have");
            else if (!chosen.insert(text).second)
                src.add(ansFile, locate(ans), "names option \"" + text + "\" twice");
        }
        if (chosen.empty()) src.add(ansFile, locate(ans), "a multiple-choice answer needs one child per correct option");
    } else if (type == "Fill in the blank") {
        const pugi::xml_node first = ans.first_child();
        if (first.type() != pugi::node_element || textContent(first).empty())
            src.add(ansFile, locate(ans), "a fill-in-the-blank answer needs the accepted answer as its first child element");
    }
}

void checkQuizAnswer(ProductSources& src, const pugi::xml_node& item) {
    const std::string file = dataFile("Quiz");
    const std::string type = item.attribute("type").value();
    if (type == "Single Choice" || type == "Multiple Choice") {
        optionNames(src, file, item);
        int correct = 0;
        for (const auto& r : item.child("responses").children("response")) {
            const std::string mark = r.attribute("correct").value();
            if (mark != "true" && mark != "false")
                src.add(file, locate(r), "a quiz option needs correct=\"true\" or \"false\"");
            correct += mark == "true";
        }
        if (type == "Single Choice" && correct != 1)
            src.add(file, locate(item), "a single-choice quiz question needs exactly one correct option");
        if (type == "Multiple Choice" && correct < 1)
            src.add(file, locate(item), "a multiple-choice quiz question needs a correct option");
    } else if (type == "Fill in the blank") {
        const pugi::xml_node accepted = item.child("responses").first_child();
        if (accepted.type() != pugi::node_element || textContent(accepted).empty())
            src.add(file, locate(item), "a fill-in-the-blank quiz question needs its accepted answer under responses");
    }
}

// Drag-and-drop and hot-spot questions carry their own judging data.
void checkJudgingData(ProductSources& src, const std::string& file, const pugi::xml_node& item) {
    const std::string type = item.attribute("type").value();
    if (type == "DragNDrop") {
        std::set<std::string> tiles;
        for (const auto& r : item.child("responses").children("response")) tiles.insert(r.attribute("name").value());
        int targets = 0;
        for (const auto& t : item.child("targets").children("target")) {
            ++targets;
            const std::string answer = t.attribute("answer").value();
            if (!tiles.count(answer))
                src.add(file, locate(t), "target names tile \"" + answer + "\", which the question does not have");
        }
        if (targets == 0) src.add(file, locate(item), "a drag-and-drop question needs targets");
    } else if (type == "HotSpot" || type == "MultipleHotSpot") {
        int spots = 0, correct = 0;
        for (const auto& h : item.child("hotspots").children("hotspot")) {
            ++spots;
            correct += std::string(h.attribute("correct").value()) == "true";
        }
        if (type == "HotSpot" && correct != 1)
            src.add(file, locate(item), "a hot-spot question needs exactly one correct hot spot");
        if (type == "MultipleHotSpot" && correct < 2)
            src.add(file, locate(item), "a multiple hot-spot question needs two or more correct hot spots");
        if (spots <= correct) src.add(file, locate(item), "a hot-spot question needs at least one wrong hot spot");
    }
}

}  // namespace

void checkAnswerOptions(ProductSources& src) {
    std::map<std::string, pugi::xml_node> answers;
    for (const auto& x : src.data("Answers").select_nodes("//Ans"))
        answers.emplace(x.node().attribute("quid").value(), x.node());
    for (const auto& item : questionItems(src.data("QuestionBank"))) {
        const auto a = answers.find(item.attribute("questionId").value());
        if (a != answers.end()) checkBankAnswer(src, item, a->second);
        checkJudgingData(src, dataFile("QuestionBank"), item);
    }
    for (const auto& item : questionItems(src.data("Quiz"))) {
        checkQuizAnswer(src, item);
        checkJudgingData(src, dataFile("Quiz"), item);
    }
}

}  // namespace examsim::pack
