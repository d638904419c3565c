#include "core/app_context.h"
#include "support/fakes.h"
#include "testrun/finish_dialog.h"
#include "testrun/message_dialog.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

TEST(FinishDialog, EachOptionAnswersAndCancelOrCloseBoxAnswerClose) {
    const char* answers[] = {"score", "show", "save", "cancel"};
    for (int i = 0; i < 4; ++i) {
        ReplyTarget parent;
        frmQueOptbox d;
        d.SetParent(parent);
        d.load({});
        d.select(i);
        d.cmdYes();
        EXPECT_EQ(parent.iReply, answers[i]);
        EXPECT_TRUE(d.closed());
    }
    for (bool viaCloseBox : {false, true}) {
        ReplyTarget parent{"before"};
        frmQueOptbox d;
        d.SetParent(parent);
        d.load({});
        d.select(1);
        viaCloseBox ? d.closeBox() : d.cmdNo();
        EXPECT_EQ(parent.iReply, "close");
    }
    ReplyTarget parent{"before"};
    frmQueOptbox d;
    d.SetParent(parent);
    d.load({});
    d.cmdYes();  // nothing selected
    EXPECT_EQ(parent.iReply, "before");
    EXPECT_EQ(std::string(frmQueOptbox::kCaption), "Do you want to Close your Exam?");
    EXPECT_EQ(d.option(2).caption, "Save && Resume Later -");
}

TEST(FinishDialog, FlagsDisableOptionsAndTimeOverDisablesCancel) {
    ReplyTarget parent{""};
    frmQueOptbox d;
    d.SetParent(parent);
    d.load({.recordableResult = false, .quizKind = false, .timeOver = true});
    EXPECT_FALSE(d.option(0).enabled);
    EXPECT_TRUE(d.option(1).enabled);
    EXPECT_FALSE(d.option(2).enabled);
    EXPECT_TRUE(d.option(3).enabled);
    d.select(0);
    d.select(2);
    EXPECT_EQ(d.selected(), -1);
    EXPECT_FALSE(d.cancelEnabled());
    d.cmdNo();
    EXPECT_FALSE(d.closed());
    EXPECT_EQ(parent.iReply, "");
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
