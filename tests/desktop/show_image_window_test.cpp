#include "assembled_app.h"
#include "core/file_io.h"
#include "core/xml.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/show_image_window.h"
#include "engine_support.h"
#include "screens/page_viewers.h"

#include <QWebEnginePage>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

struct Viewers : PageViewers {
    void showHtmlPage(const std::filesystem::path& doc, const std::string& caption) override {
        shown.push_back(caption);
        printed = readFile(doc);
    }
    void showPrintablePage(const std::filesystem::path&, const std::string&) override {}
    std::vector<std::string> shown;
    std::string printed;
};

// The sample's protocol-unit question as a report holds it: Segment and
// Frame placed, Frame on the wrong layer.
class ShowImageOnSample : public ::testing::Test {
protected:
    void SetUp() override {
        pugi::xml_document doc;
        pugi::xml_node item = doc.append_copy(selectFirst(a.ctx.bankDoc, "//item[@questionId='NE-D-003']"));
        ASSERT_TRUE(item);
        pugi::xml_node report = item.append_child("user_attempt_report");
        pugi::xml_node attempts = report.append_child("user_attempts");
        attempts.append_child("attempt").text().set("T4=D");
        attempts.append_child("attempt").text().set("T1=B");
        report.append_child("marks_scored").text().set("0");
        question = xmlText(doc);
        screens.peers.viewers = &viewers;
        screens.onCreated = [this](ShowImageWindow& w) {
            QObject::connect(&w, &ShowImageWindow::playing, &w, [this, &w] {
                [&] {
                    // Drawn: the host's values, "WhatToShow" among them, are on the page.
                    ASSERT_TRUE(waitUntil([&] {
                        return w.player().isDrawn() && js(w, "!document.getElementById('task').hidden").toBool();
                    }));
                    if (check) check(w);
                }();
                if (w.isVisible()) w.close();
            });
        };
    }
    QVariant js(ShowImageWindow& w, const char* script) { return evaluate(w.player().page(), script); }
    QStringList marks(ShowImageWindow& w) {
        return js(w, "Array.prototype.map.call(document.querySelectorAll('#marks li'), function (li) { return li.textContent; })")
            .toStringList();
    }
    // Pictures for a person to look at, when asked for.
    void shot(ShowImageWindow& w, const char* name) {
        const char* dir = std::getenv("EXAMSIM_SHOTS");
        if (!dir) return;
        waitUntil([] { return false; }, 400);
        w.grab().save(QString("%1/%2.png").arg(dir, name));
    }
    void show(bool user, const char* caption) {
        writeFile(currentTestFilePath(a.ctx), question);
        screens.showDragDropReport(caption, user);
    }

    AssembledApp a{sampleProduct()};
    Viewers viewers;
    ShowImageScreens screens{a.ctx, *a.web};
    std::string question;
    std::function<void(ShowImageWindow&)> check;
};

}  // namespace

TEST_F(ShowImageOnSample, TheLearnersPlacementThenTheRightOneAndAPrintOfTheQuestion) {
    check = [&](ShowImageWindow& w) {
        EXPECT_EQ(w.windowTitle(), "User Response");
        shot(w, "show-image-user");
        EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(a.ctx))) << "the movie read the question and had it removed";
        EXPECT_EQ(js(w, "document.getElementById('verdict').textContent").toString(),
                  "Your answer is partly right, which earns no marks.");
        EXPECT_EQ(marks(w), (QStringList{QString::fromUtf8("\u2713Place 1: Segment"), QString::fromUtf8("\u2717Place 2: empty (wrong)"),
                                         QString::fromUtf8("\u2717Place 3: empty (wrong)"),
                                         QString::fromUtf8("\u2717Place 4: Frame (wrong)")}));
        js(w, "document.getElementById('btnPrint').click()");
        ASSERT_TRUE(waitUntil([&] { return !viewers.shown.empty(); }));
        EXPECT_EQ(viewers.shown, std::vector<std::string>{"Print Report"});
        EXPECT_NE(viewers.printed.find("questionId=\"NE-D-003\""), std::string::npos);
        EXPECT_NE(viewers.printed.find("print.xsl"), std::string::npos);
        js(w, "document.getElementById('btnClose').click()");
        EXPECT_TRUE(waitUntil([&] { return !w.isVisible(); })) << "\"finish\" hides the screen";
    };
    show(true, "User Response");
    check = [&](ShowImageWindow& w) {
        EXPECT_EQ(w.windowTitle(), "Right Answer");
        shot(w, "show-image-right");
        EXPECT_TRUE(js(w, "document.getElementById('verdict').hidden").toBool());
        EXPECT_EQ(marks(w), (QStringList{QString::fromUtf8("\u2022Place 1: Segment"), QString::fromUtf8("\u2022Place 2: Packet"),
                                         QString::fromUtf8("\u2022Place 3: Frame"), QString::fromUtf8("\u2022Place 4: Bits")}));
    };
    show(false, "Right Answer");
}
