#include "builder_fixture.h"

#include "bank/answers.h"
#include "core/xml.h"

namespace examsim::test {

void BuilderTest::SetUp() {
    ctx.paths.setFolder(t.path());
    std::filesystem::create_directories(t / "Database");
    host.attach(ctx);
}

void BuilderTest::setBank(const std::string& text) { ASSERT_TRUE(parseXml(ctx.bankDoc, text)); }

void BuilderTest::setAnswers(const std::string& text) {
    ASSERT_TRUE(parseXml(ctx.answerDoc, text));
    indexAnswers(ctx);
}

void BuilderTest::setReport(const std::string& text) { ASSERT_TRUE(parseXml(ctx.reportDoc, text)); }

pugi::xml_node BuilderTest::handedOver() {
    const auto file = currentTestFilePath(ctx);
    EXPECT_TRUE(std::filesystem::exists(file));
    if (!std::filesystem::exists(file)) return {};
    EXPECT_TRUE(parseXml(handed, readFile(file)));
    return handed.document_element();
}

std::vector<std::string> BuilderTest::handedOverIds() { return questionIds(handedOver()); }

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
