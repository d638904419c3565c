#include "desktop/screens/chm_file.h"
#include "desktop/screens/help_contents.h"
#include "desktop/screens/help_window.h"
#include "engine_support.h"
#include "help_file.h"
#include "window_input.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

const char* kContents = R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<HTML><HEAD></HEAD><BODY>
<OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>
<UL>
  <LI> <OBJECT type="text/sitemap"><param name="Name" value="Using the simulator"><param name="Local" value="using__vostrane_exam_simulator.htm"></OBJECT>
  <UL>
    <LI> <OBJECT type="text/sitemap"><param name="Name" value="Question types"><param name="Local" value="question_types.htm"></OBJECT>
  </UL>
  <LI> <OBJECT type="text/sitemap"><param name="Name" value="Scoring"><param name="Local" value="scoring.htm"></OBJECT>
</UL>
</BODY></HTML>)";

const std::vector<HelpPage> kPages{{"using__vostrane_exam_simulator.htm", "Using the simulator"},
                                   {"question_types.htm", "Question types"},
                                   {"scoring.htm", "Scoring"}};

// "depth name=local" for every entry, in order.
std::vector<std::string> flatten(const std::vector<HelpTopic>& topics, int depth = 0) {
    std::vector<std::string> out;
    for (const HelpTopic& t : topics) {
        out.push_back(std::to_string(depth) + " " + t.name.toStdString() + "=" + t.local.toStdString());
        for (std::string& child : flatten(t.children, depth + 1)) out.push_back(std::move(child));
    }
    return out;
}

QTreeWidgetItem* entry(QTreeWidget* tree, const QString& name) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == name) return *it;
    return nullptr;
}

}  // namespace

TEST(HelpContents, ReadsTheTreeOfASitemap) {
    struct Case {
        const char* what;
        std::string sitemap;
        std::vector<std::string> entries;
    };
    const std::vector<Case> cases{
        {"nested lists, the window's properties left out", kContents,
         {"0 Using the simulator=using__vostrane_exam_simulator.htm", "1 Question types=question_types.htm",
          "0 Scoring=scoring.htm"}},
        {"two levels down and back",
         "<ul><li><object type='text/sitemap'><param name='Name' value='A'></object><ul><li>"
         "<object type=text/sitemap><param name=Name value=B><param name=Local value=b.htm></object><ul><li>"
         "<object type='text/sitemap'><param name='Name' value='C'><param name='Local' value='c.htm'></object>"
         "</ul></ul><li><object type='text/sitemap'><param name='Name' value='D'><param name='Local' value='d.htm'></object></ul>",
         {"0 A=", "1 B=b.htm", "2 C=c.htm", "0 D=d.htm"}},
        {"entities", "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Q&amp;A &#8211; &quot;all&quot;\">"
                     "<param name=\"Local\" value=\"qa.htm\"></OBJECT></UL>",
         {"0 Q&A \u2013 \"all\"=qa.htm"}},
        {"Windows-1252 text", "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"R\xE9seau \x80\">"
                              "<param name=\"Local\" value=\"r.htm\"></OBJECT></UL>",
         {"0 R\u00e9seau \u20ac=r.htm"}},
        {"UTF-8 text", "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"R\u00e9seau\">"
                       "<param name=\"Local\" value=\"r.htm\"></OBJECT></UL>",
         {"0 R\u00e9seau=r.htm"}},
        {"an unclosed list and a stray closing one", "</ul><ul><li><object type='text/sitemap'><param name='Name' value='E'>"
                                                     "<param name='Local' value='e.htm'></object>",
         {"0 E=e.htm"}},
        {"no contents", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(flatten(parseHelpContents(QByteArray::fromStdString(c.sitemap))), c.entries) << c.what;
}

TEST(HelpWindow, ShowsATopicOfACompiledHelpFile) {
    Engine e;
    const auto chm = compileHelp(e.folder / "helpsrc", kPages, kContents);
    HelpWindow help(e.ctx, e.web);
    help.showTopic(chm, "question_types.htm");
    EXPECT_TRUE(help.isVisible());
    ASSERT_TRUE(waitUntil([&] { return help.view()->title() == "Question types"; }));

    help.showTopic(chm, "no_such_topic.htm");
    EXPECT_TRUE(waitUntil([&] { return help.view()->url().path() == ChmFile(chm).firstPage(); }));
    EXPECT_TRUE(e.host.messages.shown.empty());

    help.showTopic(e.folder / "missing.chm", "x.htm");
    ASSERT_EQ(e.host.messages.shown.size(), 1u);
    EXPECT_NE(e.host.messages.shown[0].text.find("missing.chm"), std::string::npos);
}

TEST(HelpWindow, ContentsAndBackFollowThePages) {
    Engine e;
    const auto chm = compileHelp(e.folder / "helpsrc", kPages, kContents);
    HelpWindow help(e.ctx, e.web);
    help.showTopic(chm, "using__vostrane_exam_simulator.htm");
    QTreeWidget* tree = help.contents();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    ASSERT_NE(entry(tree, "Question types"), nullptr);
    EXPECT_EQ(entry(tree, "Question types")->parent(), entry(tree, "Using the simulator"));
    ASSERT_TRUE(waitUntil([&] { return help.view()->title() == "Using the simulator"; }));
    EXPECT_EQ(tree->currentItem(), entry(tree, "Using the simulator"));
    EXPECT_FALSE(help.back()->isEnabled());

    tree->setCurrentItem(entry(tree, "Scoring"));
    ASSERT_TRUE(waitUntil([&] { return help.view()->title() == "Scoring"; }));
    ASSERT_TRUE(waitUntil([&] { return help.back()->isEnabled(); }));
    help.back()->trigger();
    ASSERT_TRUE(waitUntil([&] { return help.view()->title() == "Using the simulator"; }));
    EXPECT_TRUE(waitUntil([&] { return tree->currentItem() == entry(tree, "Using the simulator"); }));

    // A topic opened from a screen is marked in the contents too.
    help.showTopic(chm, "question_types.htm");
    EXPECT_TRUE(waitUntil([&] { return tree->currentItem() == entry(tree, "Question types"); }));
}

TEST(HelpWindow, TheSampleProductsHelpHasItsContents) {
    Engine e;
    const auto chm = compileSampleHelp(e.folder / "helpsrc");
    HelpWindow help(e.ctx, e.web);
    help.showTopic(chm, "question_types.htm");
    QTreeWidget* tree = help.contents();
    EXPECT_EQ(tree->topLevelItemCount(), 4);
    ASSERT_NE(entry(tree, "Scoring and reports"), nullptr);
    EXPECT_TRUE(waitUntil([&] { return tree->currentItem() == entry(tree, "Question types"); }));
    keepShot(&help, "help");
}

TEST(HelpWindow, OpensInTheMiddleOfTheWindowThatAsked) {
    Engine e;
    const auto chm = compileHelp(e.folder / "helpsrc", kPages);
    // A small owner off the screen's middle, with room around it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.resize(240, 160);
    owner.move(screen.center() + QPoint(screen.width() / 10, screen.height() / 10) - owner.rect().center());
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &owner; }));
    HelpWindow help(e.ctx, e.web);
    help.showTopic(chm, "scoring.htm");
    const QPoint offset = help.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
}

TEST(HelpWindow, ClosesByEscapeFromItsPageOrContentsAndByTheWindowManager) {
    Engine e;
    const auto chm = compileHelp(e.folder / "helpsrc", kPages, kContents);
    HelpWindow help(e.ctx, e.web);
    for (CloseWay way : kCloseWays)
        for (bool inPage : {true, false}) {
            help.showTopic(chm, "scoring.htm");
            ASSERT_TRUE(waitUntil([&] { return help.view()->title() == "Scoring"; }));
            if (inPage)
                help.view()->setFocus();
            else
                help.contents()->setFocus();
            closeBy(help, way);
            EXPECT_FALSE(help.isVisible()) << describe(way) << (inPage ? " in the page" : " in the contents");
        }
}
