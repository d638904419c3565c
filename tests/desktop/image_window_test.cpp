#include "assembled_app.h"
#include "core/xml.h"
#include "desktop/app/desktop_host.h"
#include "desktop/app/test_run.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/image_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/question_window.h"
#include "engine_support.h"
#include "window_input.h"
#include "reports/report_history.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWebEnginePage>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

void press(QWidget* view, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    const QString text = key == Qt::Key_Return ? "\r" : key == Qt::Key_Space ? " " : QString();
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

// The sample product's drag-and-drop, hot-spot and multiple hot-spot
// questions, handed over as one test, with the answers merged as builders do.
const char* const kQuestions[] = {"NE-D-003", "NE-P2-001", "NE-P2-010"};

class ImageScreenOnSample : public ::testing::Test {
protected:
    void SetUp() override {
        a.ctx.host.pictures = &pictures;
        a.ctx.windowTitle = "Network Essentials Exam Simulator";
        pugi::xml_document test;
        pugi::xml_node root = test.append_child("Test");
        root.append_attribute("name").set_value("Practice 1");
        root.append_attribute("time").set_value("900");
        root.append_attribute("time_remaining").set_value("900");
        root.append_child("property");
        for (const char* id : kQuestions) {
            const pugi::xml_node item = selectFirst(a.ctx.bankDoc, (std::string("//item[@questionId='") + id + "']").c_str());
            ASSERT_TRUE(item) << id;
            root.append_copy(item);
        }
        writeFile(currentTestFilePath(a.ctx), xmlText(test));
        run.attach(main);
        main.resize(1100, 800);
        main.show();
        run.openQuestionScreen("Practice2");
        q = run.questionScreen();
        ASSERT_TRUE(waitUntil([&] { return q->player().isDrawn() && q->player().FrameNum() == 1; }));
        run.images().onCreated = [this](ImageScreenWindow& w) { window = &w; };
    }

    QWebEnginePage* questionPage() { return q->player().page(); }
    QVariant onQuestion(const QString& script) { return evaluate(questionPage(), script); }
    QVariant onImage(const QString& script) { return evaluate(window->player().page(), script); }

    // Opens the task of question n (from 1) and plays it in the drag-and-drop
    // window; returns once the window has closed again.
    void playQuestion(int n, const std::function<void()>& play) {
        for (int i = 0; i < 3; ++i) {
            const int at = onQuestion("parseInt(document.getElementById('qNumber').textContent.slice(9), 10)").toInt();
            if (at == n) break;
            onQuestion(QString("document.getElementById('%1').click()").arg(at < n ? "btnNext" : "btnPrevious"));
            waitUntil([&] { return onQuestion("document.getElementById('qNumber').textContent").toString() != QString("Question %1").arg(at); });
        }
        ASSERT_EQ(onQuestion("document.getElementById('qNumber').textContent").toString(), QString("Question %1").arg(n));
        bool played = false;
        const auto drive = [&] {
            [&] {
                ASSERT_TRUE(waitUntil([&] {
                    return window->player().isDrawn() && onImage("!document.getElementById('task').hidden").toBool() &&
                           sizedTo.movieWidth > 0;
                })) << "the movie reads its question, removes the file and asks for its size: drawn "
                    << window->player().isDrawn() << ", url " << window->player().url().toString().toStdString()
                    << " html " << onImage("document.documentElement.outerHTML.length").toInt() << ", page "
                    << onImage("document.body.innerText.slice(0, 300)").toString().toStdString() << ", width " << sizedTo.movieWidth;
                EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(a.ctx)));
                // With the host's texts and the picture on the page (the sample's
                // pictures give no size) the window has the room the task needs:
                // asked again, the movie wants no other.
                ASSERT_TRUE(waitUntil([&] {
                    return onImage("document.getElementById('picture').naturalWidth > 0 && "
                                   "document.querySelector('footer').textContent !== ''")
                        .toBool();
                }));
                waitUntil([] { return false; }, 300);
                const ImageScreenSize settled = sizedTo;
                sizedTo = {};
                window->player().SetVariable("contentSize", window->player().GetVariable("contentSize"));
                ASSERT_TRUE(waitUntil([&] { return sizedTo.movieWidth > 0; }));
                EXPECT_EQ(sizedTo, settled) << "sized to " << settled.movieWidth << "x" << settled.movieHeight << ", needs "
                                            << sizedTo.movieWidth << "x" << sizedTo.movieHeight;
                play();
            }();
            played = true;
            // A play that failed half-way still ends the modal wait.
            if (window->isVisible()) window->hideImageScreen();
        };
        const auto hook = [&](ImageScreenWindow& w) {
            QObject::connect(&w, &ImageScreenWindow::sized, &w, [this](const ImageScreenSize& s) { sizedTo = s; });
            QObject::connect(&w, &ImageScreenWindow::playing, &w, drive, Qt::SingleShotConnection);
        };
        sizedTo = {};
        if (window) hook(*window);
        else
            run.images().onCreated = [&](ImageScreenWindow& w) {
                window = &w;
                hook(w);
            };
        onQuestion("document.getElementById('btnOpenTask').click()");
        ASSERT_TRUE(waitUntil([&] { return played && window && !window->isVisible(); }));
        run.images().onCreated = nullptr;
    }

    // The response record the question movie keeps for question n.
    std::string recordOf(int n) {
        pugi::xml_document doc;
        if (!waitUntil([&] {
                return parseXml(doc, q->player().GetVariable("qb_xml")) &&
                       selectFirst(doc, ("Test/item[" + std::to_string(n) + "]/user_attempt_report").c_str());
            }, 5000))
            return "";
        return xmlText(selectFirst(doc, ("Test/item[" + std::to_string(n) + "]/user_attempt_report").c_str()));
    }
    std::string marksOf(int n) {
        pugi::xml_document doc;
        recordOf(n);
        parseXml(doc, q->player().GetVariable("qb_xml"));
        return selectFirst(doc, ("Test/item[" + std::to_string(n) + "]/user_attempt_report/marks_scored").c_str()).text().get();
    }

    // A point of the picture (in its own pixels) on the page, scrolled into view.
    QPointF pagePoint(double x, double y) {
        const QVariantList p =
            onImage(QString("(function () { var img = document.getElementById('picture'), main = document.getElementById('main');"
                            "var at = function () { var r = img.getBoundingClientRect(), s = r.width / img.naturalWidth;"
                            "  return [r.left + %1 * s, r.top + %2 * s]; };"
                            "var p = at(), m = main.getBoundingClientRect();"
                            "if (p[1] > m.bottom - 20 || p[1] < m.top + 20) { main.scrollTop += p[1] - (m.top + m.bottom) / 2; p = at(); }"
                            "return p; })()")
                        .arg(x)
                        .arg(y))
                .toList();
        return {p.value(0).toDouble(), p.value(1).toDouble()};
    }

    // Drags a tile by pointer onto a point of the picture, in small steps.
    void dragTile(const QString& tile, QPointF to) {
        onImage(QString("(function () { var t = document.getElementById('tile-%1');"
                        "var r = t.getBoundingClientRect(); var x = r.left + r.width / 2, y = r.top + r.height / 2;"
                        "var o = {bubbles: true, pointerId: 1, isPrimary: true, pointerType: 'mouse', button: 0};"
                        "t.dispatchEvent(new PointerEvent('pointerdown', Object.assign({clientX: x, clientY: y}, o)));"
                        "for (var i = 1; i <= 8; i++) document.dispatchEvent(new PointerEvent('pointermove', Object.assign("
                        "{clientX: x + (%2 - x) * i / 8, clientY: y + (%3 - y) * i / 8, buttons: 1}, o)));"
                        "document.dispatchEvent(new PointerEvent('pointerup', Object.assign({clientX: %2, clientY: %3}, o))); })()")
                    .arg(tile)
                    .arg(to.x())
                    .arg(to.y()));
    }
    // A pointer click on a point of the picture.
    void clickAt(QPointF at) {
        onImage(QString("(function () { var el = document.elementFromPoint(%1, %2);"
                        "var o = {bubbles: true, clientX: %1, clientY: %2, pointerId: 1, isPrimary: true, button: 0};"
                        "el.dispatchEvent(new PointerEvent('pointerdown', o)); el.dispatchEvent(new PointerEvent('pointerup', o));"
                        "el.dispatchEvent(new MouseEvent('click', o)); })()")
                    .arg(at.x())
                    .arg(at.y()));
    }
    QString focused() { return onImage("document.activeElement.id").toString(); }
    // Real key presses into the page; each waits for the focus or the answer to move.
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        onImage("window.keyState = document.activeElement.id + '|' + document.activeElement.getAttribute('aria-label') + '|' +"
                "document.body.className");
        press(&window->player(), k, mods);
        waitUntil([&] {
            return onImage("document.activeElement.id + '|' + document.activeElement.getAttribute('aria-label') + '|' +"
                           "document.body.className !== window.keyState")
                .toBool();
        }, 1500);
    }
    // Tabs forward, then back, until the control has the focus.
    bool tabTo(const QString& id) {
        for (auto mods : {Qt::NoModifier, Qt::ShiftModifier})
            for (int i = 0; i < 16 && focused() != id; ++i) key(Qt::Key_Tab, mods);
        return focused() == id;
    }
    void shot(const char* name) {
        const char* dir = std::getenv("EXAMSIM_SHOTS");
        if (!dir) return;
        waitUntil([] { return false; }, 400);
        window->grab().save(QString("%1/%2.png").arg(dir, name));
    }
    // Ends the test with "score" and returns the recorded marks.
    std::string score() {
        QObject::connect(q, &QuestionScreenWindow::finishShown, q, [](FinishDialogWindow* d) {
            d->option(0)->setChecked(true);
            d->cmdYes()->click();
        }, Qt::SingleShotConnection);
        onQuestion("document.getElementById('btnFinish').click()");
        if (!waitUntil([&] { return !selectAll(a.ctx.reportDoc, "QuestionBank/History/Test").empty(); })) return "";
        return selectFirst(a.ctx.reportDoc, "QuestionBank/History/Test").attribute("marks").value();
    }

    AssembledApp a{sampleProduct()};
    QtPictures pictures;
    MainWindow main{a.ctx, *a.web, {}};
    DesktopTestRun run{a.ctx, *a.web};
    QuestionScreenWindow* q = nullptr;
    ImageScreenWindow* window = nullptr;
    ImageScreenSize sizedTo;
};

}  // namespace

TEST_F(ImageScreenOnSample, EachKindIsAnsweredWithThePointerAndScoredInTheHistory) {
    playQuestion(1, [&] {
        EXPECT_EQ(window->windowTitle(), "Network Essentials Exam Simulator");
        EXPECT_EQ(onImage("document.querySelector('[data-var=txtExamMode]').textContent").toString(), "Practice 2 Exam");
        EXPECT_GT(sizedTo.windowWidthTwips, 0);
        EXPECT_EQ(window->player().geometry(), window->rect()) << "the movie fills its window";
        // Each tile dragged onto the place its answer names: T4 Segment, T3 Packet, T2 Frame, T1 Bits.
        const struct {
            const char* tile;
            double x, y;
        } drops[] = {{"D", 375, 220}, {"C", 375, 270}, {"A", 375, 320}, {"B", 375, 320}, {"A", 375, 370}};
        for (const auto& d : drops) dragTile(d.tile, pagePoint(d.x, d.y));
        EXPECT_EQ(onImage("document.getElementById('target-T2').getAttribute('aria-label')").toString(), "Place 3 of 4, holds Frame")
            << "the Bits tile dropped on Frame's place went back when Frame replaced it";
        shot("dragdrop-placed");
        onImage("document.getElementById('btnDone').click()");
    });
    EXPECT_EQ(recordOf(1), "<user_attempt_report><user_attempts><attempt>T4=D</attempt><attempt>T3=C</attempt>"
                           "<attempt>T2=B</attempt><attempt>T1=A</attempt></user_attempts><marks_scored>2</marks_scored>"
                           "</user_attempt_report>");

    playQuestion(2, [&] {
        clickAt(pagePoint(15, 20));   // outside every hot spot: nothing
        EXPECT_TRUE(onImage("document.getElementById('btnDone').disabled").toBool());
        clickAt(pagePoint(128, 100));  // the management port: wrong
        shot("hotspot-selected");
        onImage("document.getElementById('btnDone').click()");
    });
    EXPECT_EQ(marksOf(2), "0");

    playQuestion(3, [&] {
        for (double x : {155.0, 305.0, 575.0, 415.0, 575.0}) clickAt(pagePoint(x, 305));  // B, C, E, D, E off again
        onImage("document.getElementById('btnDone').click()");
    });
    EXPECT_EQ(recordOf(3), "<user_attempt_report><user_attempts><attempt>H1</attempt><attempt>H2</attempt>"
                           "<attempt>H3</attempt></user_attempts><marks_scored>1</marks_scored></user_attempt_report>");
    EXPECT_EQ(score(), "3");
}

TEST_F(ImageScreenOnSample, EachKindIsAnsweredWithTheKeyboardAloneAndAnEarlierAnswerComesBack) {
    playQuestion(1, [&] {
        ASSERT_EQ(focused(), "tile-A") << "the first tile has the focus";
        // Bits (A) onto place 4 (T1), Frame (B) onto place 4 too: Bits goes back; Segment (D) onto place 1.
        key(Qt::Key_Space);
        EXPECT_EQ(onImage("document.getElementById('tile-A').getAttribute('aria-pressed')").toString(), "true");
        key(Qt::Key_Right);
        EXPECT_EQ(focused(), "target-T4");
        for (int i = 0; i < 3; ++i) key(Qt::Key_Down);
        EXPECT_EQ(focused(), "target-T1");
        key(Qt::Key_Space);
        EXPECT_EQ(onImage("document.getElementById('target-T1').getAttribute('aria-label')").toString(), "Place 4 of 4, holds Bits");
        ASSERT_TRUE(tabTo("tile-B"));
        key(Qt::Key_Space);
        ASSERT_TRUE(tabTo("target-T1"));
        key(Qt::Key_Space);
        ASSERT_TRUE(tabTo("tile-D"));
        key(Qt::Key_Space);
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        // Space again on a picked-up tile puts it down.
        ASSERT_TRUE(tabTo("tile-A"));
        key(Qt::Key_Space);
        key(Qt::Key_Space);
        EXPECT_EQ(onImage("document.getElementById('tile-A').getAttribute('aria-pressed')").toString(), "false");
        EXPECT_EQ(onImage("getComputedStyle(document.activeElement).outlineStyle").toString(), "solid") << "the focus is visible";
        ASSERT_TRUE(tabTo("btnDone"));
        key(Qt::Key_Return);
    });
    EXPECT_EQ(recordOf(1), "<user_attempt_report><user_attempts><attempt>T4=D</attempt><attempt>T1=B</attempt>"
                           "</user_attempts><marks_scored>0</marks_scored></user_attempt_report>")
        << "partly right earns nothing";

    // Opened again, the screen shows that answer; Escape, with a tile moved, keeps the recorded one.
    playQuestion(1, [&] {
        EXPECT_EQ(onImage("document.getElementById('target-T1').getAttribute('aria-label')").toString(), "Place 4 of 4, holds Frame");
        ASSERT_TRUE(tabTo("tile-A"));
        key(Qt::Key_Space);
        key(Qt::Key_Right);
        key(Qt::Key_Space);
        closeBy(*window, CloseWay::EscapeKey);
    });
    EXPECT_EQ(marksOf(1), "0");

    playQuestion(2, [&] {
        ASSERT_TRUE(tabTo("spot-H1"));
        EXPECT_EQ(onImage("document.activeElement.getAttribute('aria-label')").toString(), "Area: Console port");
        key(Qt::Key_Return);
        EXPECT_EQ(onImage("document.getElementById('spot-H1').getAttribute('aria-pressed')").toString(), "true");
        ASSERT_TRUE(tabTo("btnDone"));
        key(Qt::Key_Return);
    });
    EXPECT_EQ(marksOf(2), "1");

    playQuestion(3, [&] {
        for (const char* spot : {"spot-H1", "spot-H2", "spot-H3", "spot-H4"}) {
            ASSERT_TRUE(tabTo(spot));
            key(Qt::Key_Return);
        }
        shot("multiple-hotspot-keyboard");
        ASSERT_TRUE(tabTo("btnDone"));
        key(Qt::Key_Return);
    });
    EXPECT_EQ(marksOf(3), "0") << "one host too many";
    EXPECT_EQ(score(), "1");
}

