#include "assembled_app.h"
#include "bank/standard_tests.h"
#include "core/encoding.h"
#include "core/xml.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/exam_mode_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/objective_grid_window.h"
#include "engine_support.h"
#include "reports/report_history.h"
#include "testrun/bookmarks.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

QString js(QWebEnginePage* page, const QString& script) { return evaluate(page, script).toString(); }

void press(QWidget* view, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    const QString text = key == Qt::Key_Return ? "\r" : key == Qt::Key_Space ? " " : QString();
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

int colours(const QImage& image) {
    QSet<QRgb> seen;
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2) seen.insert(img.pixel(x, y));
    return seen.size();
}

// A scored Practice 2 in the history and one bookmarked question.
void giveTheLearnerAPast(AppContext& ctx) {
    ASSERT_TRUE(startTest(ctx, "Practice 2"));
    pugi::xml_document played;
    ASSERT_TRUE(parseXml(played, readFile(currentTestFilePath(ctx))));
    int n = 0;
    for (pugi::xml_node item : played.document_element().children("item")) {
        pugi::xml_node report = item.append_child("user_attempt_report");
        report.append_child("user_attempts");
        report.append_child("marks_scored").text().set(n++ % 3 ? item.attribute("total_marks").value() : "0");
        if (n == 1) report.append_child("bookmark").append_attribute("value").set_value("true");
    }
    std::string text = xmlText(played);
    ASSERT_TRUE(recordReport(ctx, text).ok());
    pugi::xml_document marks;
    pugi::xml_node root = marks.append_child("Test");
    root.append_attribute("name").set_value("bookMark");
    root.append_child("property");
    root.append_copy(played.document_element().child("item"));
    ASSERT_TRUE(saveBookmarks(ctx, xmlText(root)));
    std::filesystem::remove(currentTestFilePath(ctx));
}

class ModeWindowOnSample : public ::testing::Test {
protected:
    void SetUp() override {
        giveTheLearnerAPast(a.ctx);
        w = std::make_unique<ExamModeWindow>(a.ctx, *a.web);
        w->logic().load();
    }
    void showStartPage() {
        ASSERT_TRUE(waitUntil([&] { return a.ctx.modeScreenReady; })) << "the hidden movie reports ready with its first kill";
        w->resize(1180, 820);
        w->show();
        w->activateWindow();
        w->logic().showStartPage();
        ASSERT_TRUE(waitUntil([&] { return w->player().isDrawn(); }));
        w->player().setFocus();
    }
    QWebEnginePage* page() { return w->player().page(); }
    // Tabs (forward, then back) until the control has the focus; each key
    // has moved the focus before the next is pressed.
    bool tabTo(const QString& id) {
        for (auto mods : {Qt::NoModifier, Qt::ShiftModifier})
            for (int i = 0; i < 90; ++i) {
                if (js(page(), "window.keyFrom = document.activeElement; document.activeElement.id") == id) return true;
                press(&w->player(), Qt::Key_Tab, mods);
                waitUntil([&] { return evaluate(page(), "document.activeElement !== window.keyFrom").toBool(); }, 1500);
            }
        return false;
    }
    AssembledApp a{sampleProduct()};
    std::unique_ptr<ExamModeWindow> w;
};

}  // namespace

TEST_F(ModeWindowOnSample, EveryFrameIsReachedWithTheKeyboardAlone) {
    showStartPage();
    EXPECT_EQ(w->player().FrameNum(), 3);
    EXPECT_EQ(js(page(), "document.querySelector('[data-clip=\"Practice 2\"] .chip').textContent"), "Taken");
    EXPECT_EQ(js(page(), "document.querySelector('[data-clip=\"Practice 1\"] .chip').textContent"), "Not taken");
    EXPECT_EQ(js(page(), "document.activeElement.id"), "hCert") << "a page's heading takes the focus";

    const struct {
        const char* control;
        Qt::Key key;
        int frame;
    } steps[] = {
        {"btnLearn", Qt::Key_Return, 4},        {"btnContinueLearning", Qt::Key_Space, 8}, {"", Qt::Key_Escape, 4},
        {"btnInteractive", Qt::Key_Return, 5},  {"navSettings", Qt::Key_Return, 6},        {"navCompare", Qt::Key_Return, 7},
        {"btnPerformHistory", Qt::Key_Return, 9}, {"btnBookmarkedQuestions", Qt::Key_Return, 11},
        {"", Qt::Key_Escape, 2},                {"btnCert", Qt::Key_Return, 3},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.control);
        if (*s.control) {
            ASSERT_TRUE(tabTo(s.control));
        }
        press(&w->player(), s.key);
        ASSERT_TRUE(waitUntil([&] { return w->player().FrameNum() == s.frame; }, 8000)) << "at " << w->player().FrameNum();
        // The page's heading takes the focus, so the keyboard goes on from there.
        ASSERT_TRUE(waitUntil([&] { return js(page(), "document.activeElement.tagName") == "H2"; }, 8000));
    }
    EXPECT_FALSE(std::filesystem::exists(a.app / "Database" / "bookmark")) << "the movie's copy goes once it is read";
    EXPECT_TRUE(a.host.messages.shown.empty());
    ASSERT_TRUE(tabTo("btnStartFinalExam"));
    EXPECT_EQ(js(page(), "getComputedStyle(document.activeElement).outlineStyle"), "solid") << "focus is visible";
}

TEST_F(ModeWindowOnSample, StartsFromTheMovieHandTheirTestOver) {
    showStartPage();
    const auto testFile = currentTestFilePath(a.ctx);
    std::filesystem::remove(testFile);  // the practice pool the load left there
    ASSERT_TRUE(tabTo("btnStartDiagnosticExam"));
    press(&w->player(), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(testFile); }));
    pugi::xml_document test;
    ASSERT_TRUE(parseXml(test, readFile(testFile)));
    EXPECT_STREQ(test.document_element().attribute("name").value(), "Diagnostic");
    EXPECT_EQ(a.ctx.currentModeLabel, "Certification Mode");

    std::filesystem::remove(testFile);
    js(page(), "document.getElementById('btnLearn').click()");
    ASSERT_TRUE(waitUntil([&] { return w->player().FrameNum() == 4; }));
    // The customized table never offers more than the pool holds.
    js(page(), "var i = document.querySelector('#customRows input[data-level=Expert]');"
               "i.value = '999'; i.dispatchEvent(new Event('input', {bubbles: true}));");
    EXPECT_EQ(js(page(), "document.querySelector('#customRows input[data-level=Expert]').value"),
              js(page(), "document.querySelector('#customRows input[data-level=Expert]').max"));
    js(page(), "document.getElementById('startCustom').click()");
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(testFile); }));
    ASSERT_TRUE(parseXml(test, readFile(testFile)));
    EXPECT_EQ(std::string(test.document_element().attribute("name").value()).rfind("Customized Exam", 0), 0u);
    EXPECT_FALSE(test.document_element().child("item").empty());
    EXPECT_TRUE(a.host.messages.shown.empty());
}

TEST_F(ModeWindowOnSample, TheMainWindowsEntriesLeadToTheModeScreenAndItsTests) {
    firstNamed(a.ctx.productDoc, "examinstruction").attribute("show").set_value("false");
    MainWindow main(a.ctx, *a.web, ShellTargets{&w->logic(), &w->logic(), w.get(), nullptr});
    w->logic().targets().shell = &main;
    w->placeIn(*main.area());
    // The fixture keeps the window: it leaves the area before the main window goes.
    struct TakeBack {
        QMdiArea* area;
        QWidget* window;
        ~TakeBack() {
            area->removeSubWindow(window);
            window->setParent(nullptr);
        }
    } takeBack{main.area(), w.get()};
    main.show();
    w->showModeScreen();
    ASSERT_TRUE(waitUntil([&] { return w->player().isDrawn(); }));
    for (const char* entry : {"mnuDiagnostic", "mnuFinal", "mnuPractice(3)", "mnuCustomized", "mnuQuiz", "mnuPerHistory",
                              "mnuQuickRevision", "mnuResetAll"})
        EXPECT_TRUE(main.action(entry)->isEnabled()) << entry;
    const struct {
        const char* entry;
        int frame;
    } pages[] = {{"mnuQuiz", 5}, {"mnuPerHistory", 9}, {"mnuCustomized", 8}};
    for (const auto& p : pages) {
        main.action(p.entry)->trigger();
        EXPECT_EQ(w->player().FrameNum(), p.frame) << p.entry;
    }
    EXPECT_EQ(a.ctx.currentModeLabel, "Interactive Quiz");
    w->logic().FSCommand("ButtonClick", "btnPerformHistory");
    EXPECT_FALSE(main.action("mnuResetAll")->isEnabled()) << "held off while the movie's history is up";
    w->logic().FSCommand("ButtonClick", "btnBack");
    EXPECT_TRUE(main.action("mnuResetAll")->isEnabled());

    std::filesystem::remove(currentTestFilePath(a.ctx));
    main.action("mnuPractice(3)")->trigger();
    pugi::xml_document test;
    ASSERT_TRUE(parseXml(test, readFile(currentTestFilePath(a.ctx))));
    EXPECT_STREQ(test.document_element().attribute("name").value(), "Practice 3");
    EXPECT_EQ(a.ctx.currentModeLabel, "Certification Mode");
    EXPECT_TRUE(a.host.messages.shown.empty());
}

TEST_F(ModeWindowOnSample, EachFrameIsDrawn) {
    showStartPage();
    const char* dir = std::getenv("EXAMSIM_SHOT_DIR");
    const QString out = dir ? dir : QDir::current().filePath("mode-frames");
    QDir().mkpath(out);
    QImage previous;
    for (int frame : {2, 3, 4, 5, 6, 7, 8, 9, 11}) {
        SCOPED_TRACE(frame);
        // The history and the bookmarks come from their buttons, which hand the movie its data.
        if (frame == 9)
            w->logic().FSCommand("ButtonClick", "btnPerformHistory");
        else if (frame == 11)
            w->logic().FSCommand("ButtonClick", "btnBookmarkedQuestions");
        else
            w->player().GotoFrame(frame);
        QImage shot;
        // A grab right after a change may still hold the previous frame.
        ASSERT_TRUE(waitUntil([&] {
            shot = w->grab().toImage();
            return shot != previous && colours(shot) > 40;
        }, 10000));
        waitUntil([] { return false; }, 400);
        shot = w->grab().toImage();
        EXPECT_GT(colours(shot), 40);
        EXPECT_TRUE(shot.save(out + QString("/frame-%1.png").arg(frame)));
        previous = shot;
    }
}

TEST(ModeWindowOnSecondProduct, ObjectiveNamesWithAnyCharacterAndFourPracticeTestsWork) {
    TempFolder sources;
    const auto product = secondProduct(sources.path());
    const auto [checkRc, checkOut] = runPack({"check", QString::fromStdString(product.string())});
    EXPECT_EQ(checkRc, 0) << checkOut;
    AssembledApp a(product);
    EXPECT_EQ(a.ctx.practiceCount, 4);

    ExamModeWindow w(a.ctx, *a.web);
    w.logic().load();
    w.resize(1100, 780);
    w.show();
    w.logic().showStartPage();
    ASSERT_TRUE(waitUntil([&] { return w.player().isDrawn() && a.ctx.modeScreenReady; }));
    QWebEnginePage* page = w.player().page();
    EXPECT_EQ(js(page, "Array.from(document.querySelectorAll('#practiceList .name')).map(e => e.textContent).join('|')"),
              "Practice 1|Practice 2|Practice 3|Practice 4");
    const QString names = js(page, "Array.from(document.querySelectorAll('#customRows th')).map(e => e.textContent).join('|')");
    EXPECT_TRUE(names.contains("Models & Media|")) << names.toStdString();
    EXPECT_TRUE(names.contains("Learner's Security")) << names.toStdString();
    EXPECT_TRUE(names.contains(QString::fromUtf8("Wireless \xE2\x80\x93 Wide Area"))) << names.toStdString();

    // A quiz on the topic with "&" counts its questions.
    js(page, "document.getElementById('btnInteractive').click()");
    ASSERT_TRUE(waitUntil([&] { return w.player().FrameNum() == 5; }));
    js(page, "document.querySelector('#quizTopics input[data-topic=\"Models & Media\"]').click()");
    ASSERT_TRUE(waitUntil([&] { return js(page, "document.getElementById('quizCount').textContent").toInt() > 0; }));
    keepShot(&w, "second-product-quiz");

    // The grid finds its controls by ids made of those names.
    ObjectiveGridWindow grid(a.ctx, *a.web, w.logic());
    ASSERT_TRUE(grid.openPage());
    grid.show();
    QWebEnginePage* form = grid.web()->page();
    ASSERT_TRUE(waitUntil([&] { return js(form, "document.readyState") == "complete" && js(form, "document.title") != ""; }));
    keepShot(&grid, "second-product-grid");
    for (const char* topic : {"Models & Media", "Learner's Security", "Wireless \xE2\x80\x93 Wide Area"}) {
        const QString id = QString::fromUtf8(topic).replace("'", "\\'");
        js(form, "document.getElementById('" + id + "_chk').checked = true;"
                 "var s = document.getElementById('" + id + "_obj_3'); s.selectedIndex = s.options.length - 2;");
    }
    grid.cmdStart()->click();
    ASSERT_TRUE(waitUntil([&] { return grid.logic().closed() || !a.host.messages.shown.empty(); }));
    EXPECT_TRUE(a.host.messages.shown.empty()) << a.host.messages.shown[0].text;
    EXPECT_EQ(grid.logic().totals(), (std::array<std::int32_t, 3>{3, 0, 0}));
    pugi::xml_document test;
    ASSERT_TRUE(parseXml(test, cp1252ToUtf8(readFile(currentTestFilePath(a.ctx)))));  // stored as the program stores text
    std::set<std::string> topics;
    for (pugi::xml_node item : test.document_element().children("item")) topics.insert(item.attribute("topic").value());
    EXPECT_EQ(topics, (std::set<std::string>{"Models & Media", "Learner's Security", "Wireless \xE2\x80\x93 Wide Area"}));
}

TEST(ModeWindowOnSecondProduct, TheProgramStartsOnItAndHandsOverToTheModeScreen) {
    TempFolder sources;
    AssembledApp a(secondProduct(sources.path()));
    const QString program = QString::fromStdString((a.app / "examsim").string());
    ASSERT_TRUE(QFile::copy(EXAMSIM_PROGRAM, program));
    QProcess examsim;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("EXAMSIM_WINDOW_LOG", "1");
    examsim.setProcessEnvironment(env);
    examsim.start(program, {});
    ASSERT_TRUE(examsim.waitForStarted(10000));
    QString log;
    const bool shown = waitUntil([&] {
        examsim.waitForReadyRead(20);
        log += QString::fromUtf8(examsim.readAllStandardOutput());
        return log.contains("examsim: window mode");
    }, 90000);
    examsim.kill();
    examsim.waitForFinished();
    EXPECT_TRUE(shown) << log.toStdString();
    EXPECT_TRUE(log.contains("examsim: window splash"));
    EXPECT_FALSE(std::filesystem::exists(a.app / "tempSwf.swf"));
}
