#include "mode_fixture.h"

#include "bank/question_bank.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "support/data_files.h"

namespace examsim::test {
namespace {

const char* kCodes[] = {"qi8", "qi9", "qi12", "qi14", "qi16", "qi18", "qi21", "qi22", "qi23", "qi24", "re1", "ri1",
                        "ri4", "ri5", "ri6", "ri9", "ri10", "si17", "si18", "rc4", "qe2", "qe5", "qe8"};

std::string item(const std::string& id, const std::string& topic, const std::string& level) {
    return "<item questionId='" + id + "' type='Single Choice' topic='" + topic + "' category='" + topic + "' level='" +
           level + "' total_marks='1'><statement>S" + id + "</statement><responses><response name='A'/></responses></item>";
}

std::string test(const std::string& name, const std::string& prefix, const char* type = "") {
    std::string t = "<Test name='" + name + "' " + type + " time='600'><property/>";
    int i = 0;
    for (const char* topic : {"Cabling & Media", "Routing"})
        for (const char* level : {"Beginner", "Expert"}) t += item(prefix + std::to_string(++i), topic, level);
    return t + "</Test>";
}

}  // namespace

void ModeFixture::SetUp() {
    ContextFixture::SetUp();
    for (const char* code : kCodes) ctx.catalogue[code] = code;
    ASSERT_TRUE(parseXml(ctx.productDoc, R"(<product><product-name>Network Essentials</product-name>
        <help uri="Help"/><utp uri="https://example.org/utp"/><examinstruction show="true"/>
        <modes><mode name="certificationmode">Certification</mode><mode name="learningmode">Learning</mode>
          <mode name="interactivequiz">Quiz</mode></modes>
        <objectives><objective name="Cabling &amp; Media">Cabling &amp; Media</objective><objective name="Routing">Routing</objective></objectives>
        <testmonials>It made the binary click.</testmonials>
        <tool_tips_texts><tool_tip name="mymentor" uri="">mentor@example.org</tool_tip>
          <tool_tip name="examinformation" uri="Database">examinformation.html</tool_tip>
          <tool_tip name="tipofToday" uri="Database">TTips.wlb</tool_tip></tool_tips_texts>
        <quick_revision_notes uri="Database">QuickRevision.wlb</quick_revision_notes>
        <tips_n_tricks uri=""></tips_n_tricks>
        <online_training><head>Live training</head></online_training>
        <online-resources uri="Database">resources.html</online-resources>
        <reports><test_pass_percentage>70</test_pass_percentage></reports>
        <screen name="comparefeature"><feature trial="No" full="Yes">Final test</feature></screen></product>)"));
    ASSERT_TRUE(parseXml(ctx.bankDoc, "<QuestionBank>" + test("Diagnostic", "d") + test("Practice 1", "p1", "test_type='PracticeTest'") +
                                          test("Practice 2", "p2", "test_type='PracticeTest'") + test("Final", "f") +
                                          "</QuestionBank>"));
    countPracticeTests(ctx);
    writeEnciphered(ctx, t / "TestMode.wlb", "<html>mode</html>");
    writeDataText(ctx, "tip", "<tips><tip>One. </tip><tip>Two.</tip></tips>");
    writeDataText(ctx, "Quiz", "<QuestionBank><Test name='Quiz'><property/>" + item("q1", "Routing", "Beginner") +
                                   item("q2", "Routing", "Expert") + item("q3", "Cabling &amp; Media", "Expert") +
                                   "</Test></QuestionBank>");
    historyOf({}, false);
}

frmExamMode& ModeFixture::loaded() {
    mode.emplace(ctx, screens.all());
    mode->attachMovie(movie);
    mode->load();
    said();
    screens.log.clear();
    return *mode;
}

void ModeFixture::historyOf(const std::vector<std::string>& names, bool stored) {
    std::string history = "<QuestionBank><History>";
    for (const std::string& n : names)
        history += "<Test name='" + n + "' remarks='Fail'><Test name='" + n + "'><property/>" + item("h", "Routing", "Beginner") +
                   "</Test></Test>";
    ASSERT_TRUE(parseXml(ctx.reportDoc, history + "</History><Objectives/></QuestionBank>"));
    if (stored)
        writeDataText(ctx, "MainReport", xmlText(ctx.reportDoc));
    else
        std::filesystem::remove(reportHistoryPath(ctx));
}

}  // namespace examsim::test
