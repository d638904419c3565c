#include "bank/answers.h"
#include "bank/question_bank.h"
#include "core/data_file.h"
#include "core/error_log.h"
#include "core/xml.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

using namespace examsim;
using namespace examsim::test;

class Bank : public ContextFixture {};

TEST_F(Bank, AMissingOrNonXmlBankEndsInTheFatalPathWithTheTraceSoFar) {
    writeDataText(ctx, "QuestionBank", "<QuestionBank><Test name=\"Final\">");
    EXPECT_THROW(loadQuestionBankStep(ctx), ProgramEnded);
    EXPECT_EQ(readFile(errorLogPath(ctx)), "lqb_slqb_1lqb_2lqb_3lqb_4:<QuestionBank><Test name=\"Final\">");
    EXPECT_EQ(host.mail.sent.size(), 1u);
    EXPECT_EQ(host.program.endCount, 1);

    std::filesystem::remove(dataFilePath(ctx, "QuestionBank"));
    ctx.loadTrace.clear();
    host.mail.succeed = false;
    EXPECT_THROW(loadQuestionBank(ctx), ProgramEnded);
    EXPECT_EQ(readFile(errorLogPath(ctx)), "lqb_1");
    ASSERT_EQ(host.messages.shown.size(), 1u);  // the mail fallback
    EXPECT_EQ(host.messages.shown[0].text.rfind("Error!!! Please send errorLog.txt to ", 0), 0u);
}

TEST_F(Bank, LoadsCountsPracticeTestsAndFindsTestsByExactName) {
    writeDataText(ctx, "QuestionBank", R"(<QuestionBank>
      <Test name="Diagnostic"/><Test name="Practice 1" test_type="PracticeTest"/><Test name="final"/>
      <Test name="Practice 2" test_type="PracticeTest"/><Test name="practice 3"/><Test name="Final" n="1"/>
      <Test name="Final" n="2"/></QuestionBank>)");
    ctx.practiceCount = 5;
    loadQuestionBankStep(ctx);
    EXPECT_EQ(ctx.loadTrace, "lqb_slqb_1lqb_2lqb_3lqb_e");
    EXPECT_EQ(ctx.practiceCount, 2);
    countPracticeTests(ctx);
    EXPECT_EQ(ctx.practiceCount, 2);  // counted afresh, never accumulated
    EXPECT_TRUE(findTest(ctx, practiceTestName(2)));
    EXPECT_STREQ(findTest(ctx, "Final").attribute("n").value(), "1");
    EXPECT_EQ(ctx.currentTestIndex, 5);
    EXPECT_FALSE(findTest(ctx, "FINAL"));
    EXPECT_FALSE(findTest(ctx, "Practice1"));
}

TEST_F(Bank, ThePoolJoinsThePracticeTestsAndLeavesTheBankAlone) {
    parseXml(ctx.bankDoc, R"(<QuestionBank>
      <Test name="Practice 1" test_type="PracticeTest" time="60"><property a="1"/><item questionId="1"/><item questionId="2"/></Test>
      <Test name="Final"><property/><item questionId="9"/></Test>
      <Test name="Practice 2" test_type="PracticeTest" time="99"><property b="2"/><note/><item questionId="3"/></Test>
    </QuestionBank>)");
    const std::string before = xmlText(ctx.bankDoc);
    pugi::xml_document pool;
    for (int build = 0; build < 2; ++build) {  // a second build starts afresh
        buildPracticePool(ctx, pool);
        EXPECT_EQ(xmlText(pool), R"(<Test name="Practice 1" test_type="PracticeTest" time="60"><property a="1"/><item questionId="1"/>)"
                                 R"(<item questionId="2"/><item questionId="3"/></Test>)");
    }
    EXPECT_EQ(xmlText(ctx.bankDoc), before);
    parseXml(ctx.bankDoc, "<QuestionBank><Test name=\"Final\"/></QuestionBank>");
    buildPracticePool(ctx, pool);
    EXPECT_FALSE(pool.document_element());

    parseXml(ctx.quizDoc, "<Quiz><Test name=\"Quiz\"><property/><item/><group><item/></group></Test></Quiz>");
    parseXml(ctx.bankDoc, "<QuestionBank><Test><property/><item/><item/></Test><Test><item/></Test></QuestionBank>");
    EXPECT_EQ(totalQuestionCount(ctx), 5);
}

TEST_F(Bank, AnswersAreLookedUpByIdWithTheFirstAnsWinningAndABadFileIsRefused) {
    AnswerLoad missing = loadAnswerDocument(ctx);
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.problem.find("missing"), std::string::npos);

    writeDataText(ctx, "Answers", R"(<Answers><Ans quid="q1">A</Ans><group><Ans quid="q2"><c>B</c></Ans></group>
      <Ans quid="q1">second</Ans><Ans quid="Q2">other</Ans></Answers>)");
    ASSERT_TRUE(loadAnswerDocument(ctx));
    EXPECT_EQ(textContent(answerFor(ctx, "q1")) + textContent(answerFor(ctx, "q2")) + textContent(answerFor(ctx, "Q2")), "ABother");
    EXPECT_FALSE(answerFor(ctx, "q3"));

    writeDataText(ctx, "Answers", "<Answers><Ans quid=\"q1\">A</Ans>");
    AnswerLoad damaged = loadAnswerDocument(ctx);
    EXPECT_FALSE(damaged);
    EXPECT_NE(damaged.problem.find("damaged"), std::string::npos);
    EXPECT_FALSE(answerFor(ctx, "q1"));  // the earlier index is dropped
}
