#include "core/messages.h"
#include "support/context_fixture.h"
#include "support/data_files.h"

#include <set>

using namespace examsim;
using namespace examsim::test;

class Catalogue : public ContextFixture {
protected:
    void load(const std::string& systemText) {
        writeDataText(ctx, "System", systemText);
        loadSystemDocument(ctx);
        loadMessageCatalogue(ctx);
    }
};

TEST_F(Catalogue, TakesOnlyMessageEntriesOfTheSixSections) {
    load(R"(<System>
      <QuestionBankMessages>
        <Information><!-- note --><Message CODE="qi9">No practice test.</Message><Other CODE="x1">skip</Other></Information>
        <Error><Message CODE="qe5">Bad <b>bank</b> text.</Message></Error>
      </QuestionBankMessages>
      <SystemMessages><Information><Message CODE="si13">Cannot write.</Message></Information></SystemMessages>
      <ReportMessages><Confirmation><Message CODE="rc2">Save?</Message></Confirmation>
        <Warning><Message CODE="rw1">not a section</Message></Warning></ReportMessages>
      <Message CODE="top">not in a section</Message>
    </System>)");
    EXPECT_TRUE(host.messages.shown.empty());
    EXPECT_EQ(ctx.catalogue.size(), 4u);
    EXPECT_EQ(messageText(ctx, "qi9"), "No practice test.");
    EXPECT_EQ(messageText(ctx, "qe5"), "Bad bank text.");
    EXPECT_EQ(messageText(ctx, "rc2"), "Save?");
    for (const char* absent : {"x1", "rw1", "top"}) EXPECT_EQ(messageText(ctx, absent), "") << absent;
}

TEST_F(Catalogue, CodesAreCaseSensitiveAndUnknownCodesShowEmptyBoxes) {
    load(R"(<S><ReportMessages><Information><Message CODE="ri7">Reset all?</Message></Information></ReportMessages></S>)");
    host.messages.answers = {msg::Yes};
    EXPECT_EQ(showMessage(ctx, msgcode::ResetConfirm, msg::YesNo, "Reset Confirm"), msg::Yes);
    EXPECT_EQ(showMessage(ctx, MessageCode{"RI7", msgsection::ReportInformation}, msg::OkOnly | msg::Information), msg::Ok);
    ASSERT_EQ(host.messages.shown.size(), 2u);
    EXPECT_EQ(host.messages.shown[0].text, "Reset all?");
    EXPECT_EQ(host.messages.shown[0].title, "Reset Confirm");
    EXPECT_EQ(host.messages.shown[1].text, "");
    EXPECT_EQ(host.messages.shown[1].style, msg::Information);
    EXPECT_EQ(host.messages.shown[1].title, " Exam Simulator");
}

TEST_F(Catalogue, ADoubledCodeKeepsItsFirstTextAndIsNamed) {
    load(R"(<S><QuestionBankMessages><Error><Message CODE="qe5">first</Message></Error></QuestionBankMessages>
      <ReportMessages><Error><Message CODE="qe5">second</Message><Message CODE="re1">r</Message></Error></ReportMessages></S>)");
    EXPECT_EQ(messageText(ctx, "qe5"), "first");
    EXPECT_EQ(messageText(ctx, "re1"), "r");
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_NE(host.messages.shown[0].text.find("\"qe5\""), std::string::npos);
    EXPECT_EQ(host.program.endCount, 0);
}

TEST_F(Catalogue, AnUnparsableSystemFileShowsAnEmptyQe6AndLeavesAnEmptyCatalogue) {
    load("<System><SystemMessages>");
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "");
    EXPECT_EQ(host.messages.shown[0].title, " Exam Simulator");
    EXPECT_EQ(messageText(ctx, "si13"), "");
    EXPECT_EQ(ctx.catalogue.count("qe6"), 0u);  // refilled from the empty document
}

// The prefix of a code names its section ("qi" QuestionBankMessages/Information,
// "re" ReportMessages/Error ...), and a code is listed once.
TEST(MessageCodes, EachCodeSitsInTheSectionItsPrefixNamesAndIsListedOnce) {
    std::set<std::string> seen;
    for (const MessageCode& c : msgcode::kAll) {
        const std::string code = c.code;
        EXPECT_TRUE(seen.insert(code).second) << code << " twice";
        const std::string prefix = code.substr(0, 2);
        const std::string group = prefix[0] == 'q' ? "QuestionBankMessages" : prefix[0] == 's' ? "SystemMessages" : "ReportMessages";
        const std::string kind = prefix[1] == 'i' ? "Information" : prefix[1] == 'e' ? "Error" : "Confirmation";
        EXPECT_EQ(c.section, group + "/" + kind) << code;
    }
}
