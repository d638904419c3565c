#include "desktop/screens/help_window.h"
#include "engine_support.h"

#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

TEST(HelpWindow, ShowsATopicOfACompiledHelpFile) {
    Engine e;
    const auto src = e.folder / "helpsrc";
    std::filesystem::create_directories(src);
    writeFile(src / "Help.hhp",
              "[OPTIONS]\nCompiled file=Help.chm\nDefault topic=index.htm\nTitle=Help\n\n[FILES]\nindex.htm\n"
              "using__vostrane_exam_simulator.htm\n");
    writeFile(src / "index.htm", "<html><head><title>Start</title></head><body>Start</body></html>");
    writeFile(src / "using__vostrane_exam_simulator.htm",
              "<html><head><title>Using the simulator</title></head><body><h1>Using</h1></body></html>");
    const std::string cmd = "cd '" + src.string() + "' && chmcmd Help.hhp > chmcmd.log 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << readFile(src / "chmcmd.log");

    HelpWindow help(e.ctx, e.web);
    help.showTopic(src / "Help.chm", "using__vostrane_exam_simulator.htm");
    EXPECT_TRUE(help.isVisible());
    ASSERT_TRUE(waitUntil([&] { return help.view()->title() == "Using the simulator"; }));

    help.showTopic(src / "Help.chm", "no_such_topic.htm");
    EXPECT_TRUE(waitUntil([&] { return help.view()->title() != "Using the simulator"; }));
    EXPECT_TRUE(e.host.messages.shown.empty());

    help.showTopic(e.folder / "missing.chm", "x.htm");
    ASSERT_EQ(e.host.messages.shown.size(), 1u);
    EXPECT_NE(e.host.messages.shown[0].text.find("missing.chm"), std::string::npos);
}
