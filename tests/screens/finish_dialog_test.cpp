#include "core/app_context.h"
#include "support/fakes.h"
#include "screens/finish_dialog.h"
#include "screens/message_dialog.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

class FinishDialog : public ::testing::Test {
protected:
    void SetUp() override { d.SetParent(parent); }
    ReplyTarget parent{"before"};
    frmQueOptbox d;
};

TEST_F(FinishDialog, EachOptionAnswersAndCancelOrCloseBoxAnswerClose) {
    d.load({});
    d.cmdYes();  // nothing selected
    EXPECT_EQ(parent.iReply, "before");
    EXPECT_TRUE(d.closed());
    std::string captions;
    for (int i = 0; i < 4; ++i) {
        d.select(i);
        d.cmdYes();
        EXPECT_EQ(parent.iReply, (std::array<const char*, 4>{"score", "show", "save", "cancel"}[i]));
        captions += d.option(i).caption;
    }
    EXPECT_EQ(captions, "Grading -Evaluate && Grade -Save && Resume Later -Close -");
    d.cmdNo();
    EXPECT_EQ(parent.iReply, "close");
    parent.iReply.clear();
    d.closeBox();
    EXPECT_EQ(parent.iReply, "close");
}

TEST_F(FinishDialog, FlagsDisableOptionsAndTimeOverDisablesCancel) {
    d.load({.recordableResult = false, .quizKind = false, .timeOver = true});
    std::string enabled;
    for (int i = 0; i < 4; ++i) enabled += d.option(i).enabled ? '1' : '0';
    EXPECT_EQ(enabled, "0101");
    d.select(0);
    d.select(2);
    EXPECT_EQ(d.selected(), -1);
    EXPECT_FALSE(d.cancelEnabled());
    d.cmdNo();
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(parent.iReply, "before");
    d.closeBox();
    EXPECT_EQ(parent.iReply, "close");
}

TEST(MessageDialog, YesEndsTheProgramAndNoOnlyCloses) {
    AppContext ctx;
    FakeHost host;
    host.attach(ctx);
    ctx.windowTitle = "Network Essentials Exam Simulator";
    frmMsg m(ctx);
    EXPECT_EQ(m.caption(), "Network Essentials Exam Simulator");
    m.cmdNo();
    EXPECT_TRUE(m.closed());
    EXPECT_EQ(host.program.endCount, 0);
    EXPECT_THROW(m.cmdYes(), ProgramEnded);
    EXPECT_EQ(host.program.endCount, 1);
}
