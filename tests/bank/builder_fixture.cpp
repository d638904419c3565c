#include "builder_fixture.h"

#include "bank/answers.h"

namespace examsim::test {

void BuilderTest::setAnswers(const std::string& text) {
    ASSERT_TRUE(parseXml(ctx.answerDoc, text));
    indexAnswers(ctx);
}

pugi::xml_node BuilderTest::handedOver() {
    const auto file = currentTestFilePath(ctx);
    if (!std::filesystem::exists(file)) {
        ADD_FAILURE() << "no test was handed over";
        return {};
    }
    EXPECT_TRUE(parseXml(handed, readFile(file)));
    return handed.document_element();
}

std::string practiceItem(const std::string& id, const std::string& topic, const std::string& level, const std::string& type) {
    return "<item questionId=\"" + id + "\" type=\"" + type + "\" topic=\"" + topic + "\" level=\"" + level +
           "\" total_marks=\"1\"><statement>S" + id + "</statement><responses><response name=\"A\"/>"
           "<response name=\"B\"/></responses></item>";
}

std::string practiceBank(const std::string& items) {
    return "<QuestionBank><Test name=\"Practice 1\" test_type=\"PracticeTest\" time=\"60\"><property/>" + items +
           "</Test></QuestionBank>";
}

std::vector<std::string> questionIds(const pugi::xml_node& test) {
    std::vector<std::string> ids;
    for (pugi::xml_node item = test.child("item"); item; item = item.next_sibling("item"))
        ids.emplace_back(item.attribute("questionId").value());
    return ids;
}

}  // namespace examsim::test
