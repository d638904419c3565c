#include "check_rules.h"

#include "core/xml.h"

#include <charconv>
#include <map>

namespace examsim::pack {

namespace {

const char* const kTypes[] = {"Single Choice", "Multiple Choice", "Fill in the blank",
                              "DragNDrop",     "HotSpot",         "MultipleHotSpot"};

bool knownType(const std::string& t) {
    for (const char* k : kTypes)
        if (t == k) return true;
    return false;
}

bool positiveNumber(const std::string& text) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && end == text.data() + text.size() && v > 0;
}

}  // namespace

void checkQuestionIds(ProductSources& src) {
    std::map<std::string, std::string> seenIds;  // id -> file of its first use
    std::map<std::string, std::string> statements;
    for (const char* doc : {"QuestionBank", "Quiz"}) {
        const std::string file = dataFile(doc);
        for (const auto& item : questionItems(src.data(doc))) {
            const std::string id = item.attribute("questionId").value();
            if (id.empty()) {
                src.add(file, locate(item), "question without a questionId");
            } else if (const auto [it, fresh] = seenIds.emplace(id, file); !fresh) {
                src.add(file, locate(item), "questionId \"" + id + "\" is already used in " + it->second);
            }
            const std::string type = item.attribute("type").value();
            if (!knownType(type)) src.add(file, locate(item), "unknown question type \"" + type + "\"");
            if (!positiveNumber(item.attribute("total_marks").value()))
                src.add(file, locate(item), "total_marks is missing or not a positive number");
            const std::string statement = textContent(item.child("statement"));
            if (statement.empty()) {
                src.add(file, locate(item), "question without a statement");
            } else if (std::string(doc) == "QuestionBank") {
                // A re-take of wrong answers tells questions apart by their statement.
                if (const auto [it, fresh] = statements.emplace(statement, id); !fresh)
                    src.add(file, locate(item), "same statement as question \"" + it->second + "\"");
            }
        }
    }
}

}  // namespace examsim::pack
