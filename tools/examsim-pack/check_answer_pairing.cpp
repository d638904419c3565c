#include "check_rules.h"

#include <map>

namespace examsim::pack {

void checkAnswerPairing(ProductSources& src) {
    if (!src.hasData("QuestionBank") || !src.hasData("Answers")) return;
    const std::string bankFile = dataFile("QuestionBank");
    const std::string ansFile = dataFile("Answers");

    std::map<std::string, std::size_t> bankOrder;
    for (const auto& item : questionItems(src.data("QuestionBank")))
        bankOrder.emplace(item.attribute("questionId").value(), bankOrder.size());

    std::map<std::string, int> answerCount;
    std::size_t lastPosition = 0;
    bool inOrder = true;
    for (const auto& x : src.data("Answers").select_nodes("//Ans")) {
        const pugi::xml_node ans = x.node();
        const std::string quid = ans.attribute("quid").value();
        const auto q = bankOrder.find(quid);
        if (q == bankOrder.end()) {
            src.add(ansFile, locate(ans), "answer for \"" + quid + "\", which is no question of the bank");
            continue;
        }
        if (++answerCount[quid] == 2) src.add(ansFile, locate(ans), "second answer for question \"" + quid + "\"");
        if (inOrder && q->second < lastPosition) {
            src.add(ansFile, locate(ans), "answers are not in bank order from here on");
            inOrder = false;
        }
        lastPosition = q->second;
    }
    for (const auto& item : questionItems(src.data("QuestionBank"))) {
        const std::string id = item.attribute("questionId").value();
        if (!id.empty() && answerCount[id] == 0) src.add(bankFile, locate(item), "question has no answer in " + ansFile);
    }
}

}  // namespace examsim::pack
