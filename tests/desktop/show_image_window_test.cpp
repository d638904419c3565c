#include "assembled_app.h"
#include "core/file_io.h"
#include "core/xml.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/show_image_window.h"
#include "engine_support.h"
#include "screens/page_viewers.h"

#include <QWebEnginePage>
#include <array>
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
        for (pugi::xml_node t : item.child("targets").children("target"))
            places.push_back({t.attribute("x").as_double(), t.attribute("y").as_double(), t.attribute("width").as_double(),
                              t.attribute("height").as_double()});
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
    // Each place drawn over the picture, in the picture's own pixels: x, y,
    // width, height; once the picture has loaded (the question gives no size).
    std::vector<std::array<double, 4>> placesOnPicture(ShowImageWindow& w) {
        EXPECT_TRUE(waitUntil([&] { return js(w, "document.getElementById('picture').naturalWidth > 0").toBool(); }));
        waitUntil([] { return false; }, 200);
        const QVariantList flat = js(w, R"((function () {
            var pic = document.getElementById('picture'), box = pic.getBoundingClientRect();
            var k = box.width / pic.naturalWidth, out = [];
            document.querySelectorAll('#zones .zone').forEach(function (z) {
              var r = z.getBoundingClientRect();
              out.push((r.left - box.left) / k, (r.top - box.top) / k, r.width / k, r.height / k);
            });
            return out;
          })())").toList();
        std::vector<std::array<double, 4>> out;
        for (qsizetype i = 0; i + 3 < flat.size(); i += 4)
            out.push_back({flat[i].toDouble(), flat[i + 1].toDouble(), flat[i + 2].toDouble(), flat[i + 3].toDouble()});
        return out;
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
    std::vector<std::array<double, 4>> places;  // the item's targets
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

// The sample's pictures give no size of their own: the places still sit where
// the item puts them on the picture as drawn, in both views.
TEST_F(ShowImageOnSample, EachPlaceSitsOnThePictureWhereTheItemPutsIt) {
    ASSERT_EQ(places.size(), 4u);
    int checked = 0;
    check = [&](ShowImageWindow& w) {
        const auto drawn = placesOnPicture(w);
        ASSERT_EQ(drawn.size(), places.size());
        for (std::size_t i = 0; i < places.size(); ++i)
            for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(drawn[i][k], places[i][k], 1.0) << "place " << i << " value " << k;
        ++checked;
    };
    show(true, "User Response");
    show(false, "Right Answer");
    EXPECT_EQ(checked, 2);
}
