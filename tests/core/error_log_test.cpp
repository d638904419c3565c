#include "core/error_log.h"
#include "support/context_fixture.h"

using namespace examsim;
using namespace examsim::test;

class FatalError : public ContextFixture {};

TEST_F(FatalError, WritesTheWholeTraceMailsItAndEnds) {
    ctx.windowTitle = "Network Essentials Exam Simulator";
    std::string trace = "lqb_slqb_1\nlqb_2:<not xml \xE2\x82\xAC";
    EXPECT_THROW(reportFatalError(ctx, trace, errorLogPath(ctx)), ProgramEnded);
    EXPECT_EQ(readFile(t / "errorLog.txt"), "lqb_slqb_1\r\nlqb_2:<not xml \x80");
    ASSERT_EQ(host.mail.sent.size(), 1u);
    const MailMessage& m = host.mail.sent[0];
    EXPECT_EQ(m.subject, "Bug Report: :Network Essentials Exam Simulator");
    EXPECT_EQ(m.to, kSupportAddress);
    EXPECT_EQ(m.cc, kBugReportAddress);
    EXPECT_EQ(m.attachment, t / "errorLog.txt");
    EXPECT_TRUE(host.messages.shown.empty());
    EXPECT_EQ(host.program.endCount, 1);
}

TEST_F(FatalError, WithoutAMailProgramTheUserIsToldWhereToSendTheLog) {
    host.mail.succeed = false;
    std::string trace = "sv_0#sv_1#";
    EXPECT_THROW(reportFatalError(ctx, trace, errorLogPath(ctx)), ProgramEnded);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, std::string("Error!!! Please send errorLog.txt to ") + kSupportAddress);
    EXPECT_EQ(host.messages.shown[0].title, "");
    EXPECT_EQ(host.mail.sent[0].subject, "Bug Report: :");  // before the mode screen set a title
}

TEST_F(FatalError, AnUnwritableLogIsToldAndTheProgramStillEndsWithoutMailingIt) {
    std::string trace = "x";
    EXPECT_THROW(reportFatalError(ctx, trace, t / "missing-folder" / "errorLog.txt"), ProgramEnded);
    EXPECT_EQ(host.program.endCount, 1);
    EXPECT_TRUE(host.mail.sent.empty());
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text.rfind("The error log could not be written (", 0), 0u);
}
