#include "core/file_ops.h"
#include "core/xml.h"
#include "desktop/app/test_run.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/exhibit_window.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/question_window.h"
#include "engine_support.h"
#include "reports/report_history.h"
#include "support/played_test.h"
#include "testrun/saved_exam.h"

#include <QAction>
#include <cstdlib>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

// Three questions as a builder hands them over, answers merged in.
std::string handedOverTest(const char* timeRemaining) {
    return std::string("<Test name=\"Practice 1\" time=\"600\" time_remaining=\"") + timeRemaining + "\">"
           "<property show_explanation=\"true\" allow_back=\"true\"/>"
           "<item questionId=\"S\" type=\"Single Choice\" total_marks=\"1\" topic=\"Services\"><statement>Which service names hosts?</statement>"
           "<responses><response name=\"A\" correct=\"false\">DHCP</response><response name=\"B\" correct=\"true\">DNS</response></responses>"
           "<explanation>DNS resolves names.</explanation></item>"
           "<item questionId=\"M\" type=\"Multiple Choice\" total_marks=\"2\"><statement>Which are private? (Choose two.)</statement>"
           "<responses><response name=\"A\" correct=\"true\">10.1.1.1</response><response name=\"B\" correct=\"false\">8.8.8.8</response>"
           "<response name=\"C\" correct=\"true\">192.168.0.1</response></responses></item>"
           "<item questionId=\"F\" type=\"Fill in the blank\" total_marks=\"1\"><statement>Secure web uses port _____</statement>"
           "<resource name=\"exhibit\" uri=\"Database/images\">ports.svg</resource>"
           "<responses><response name=\"answer\">443</response></responses></item></Test>";
}

class QuestionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string product = productXml(50);
        product.replace(product.find("</product>"), 10, "<product-name>Network Essentials</product-name><help uri='Help'/></product>");
        ASSERT_TRUE(parseXml(e.ctx.productDoc, product));
        loadReportHistory(e.ctx);
        writeMovie(e.folder / "vost.wlb", sampleMovie("vost"));
        run.attach(main);
        main.resize(1100, 760);
        main.show();
    }
    // Opens the screen on a handed-over test and waits for its first question.
    void start(const char* timeRemaining = "600") {
        writeFile(currentTestFilePath(e.ctx), handedOverTest(timeRemaining));
        run.openQuestionScreen("Certification");
        q = run.questionScreen();
        ASSERT_TRUE(waitUntil([&] {
            return q->player().isDrawn() && q->player().FrameNum() == 1 && !std::filesystem::exists(currentTestFilePath(e.ctx));
        }))
            << "the movie reads the test, asks for its deletion and shows the first question";
        page = q->player().page();
    }
    QVariant js(const QString& script) { return evaluate(page, script); }
    QString text(const char* id) { return js(QString("document.getElementById('%1').textContent").arg(id)).toString(); }
    void key(const char* k) {
        js(QString("document.activeElement.dispatchEvent(new KeyboardEvent('keydown', {key: '%1', bubbles: true}))").arg(k));
    }
    // Answers the next finish dialog: an option, or -1 for its close box.
    void answerFinish(int option, bool* cancelEnabled = nullptr) {
        QObject::connect(q, &QuestionScreenWindow::finishShown, q, [option, cancelEnabled](FinishDialogWindow* d) {
            if (cancelEnabled) *cancelEnabled = d->cmdNo()->isEnabled();
            if (option < 0) {
                d->close();
                return;
            }
            d->option(option)->setChecked(true);
            d->cmdYes()->click();
        }, Qt::SingleShotConnection);
    }
    // Pictures for a person to look at, when asked for.
    void shot(const char* name) {
        const char* dir = std::getenv("EXAMSIM_SHOTS");
        if (!dir) return;
        waitUntil([] { return false; }, 400);
        q->player().grab().save(QString("%1/%2.png").arg(dir, name));
    }
    std::size_t records() { return selectAll(e.ctx.reportDoc, "QuestionBank/History/Test").size(); }

    Engine e;
    MainWindow main{e.ctx, e.web, {}};
    DesktopTestRun run{e.ctx, e.web};
    QuestionScreenWindow* q = nullptr;
    QWebEnginePage* page = nullptr;
};

}  // namespace

TEST_F(QuestionWindowTest, ALearnerAnswersByKeyboardAndMouseAndTheScoreLandsInTheHistory) {
    start();
    EXPECT_EQ(text("statement"), "Which service names hosts?");
    EXPECT_EQ(text("progressText"), "Question 1 of 3");
    EXPECT_FALSE(main.action("mnuFile")->isEnabled()) << "no File menu during a test";
    // Mouse on the first question, keyboard on the second, typing on the third.
    js("document.getElementById('opt-1').click()");
    EXPECT_EQ(js("document.getElementById('btnExplain').offsetParent !== null").toBool(), true) << "practice explains";
    js("document.getElementById('opt-0').focus()");
    key("Enter");
    EXPECT_EQ(text("verdict"), "Correct.");
    shot("question-explained");
    key("n");
    EXPECT_EQ(text("progressText"), "Question 2 of 3");
    EXPECT_EQ(text("instruction").left(11), "Choose 2. P");
    key("a");
    key("3");
    key("m");
    shot("question-multiple");
    EXPECT_EQ(js("document.getElementById('btnMark').getAttribute('aria-pressed')").toString(), "true");
    key("ArrowRight");
    EXPECT_EQ(js("document.getElementById('exhibitRow').hidden").toBool(), false);
    js("var f = document.getElementById('fillInput'); f.value = ' 80 '; f.dispatchEvent(new Event('input'))");
    // The list shows what is answered and marked.
    js("document.getElementById('btnReview').click()");
    ASSERT_TRUE(waitUntil([&] { return q->player().FrameNum() == 2; }));
    EXPECT_EQ(js("document.getElementById('goto-2').getAttribute('aria-label')").toString(),
              "Question 2, answered, marked for review");
    EXPECT_EQ(text("countAnswered"), "3 answered");
    shot("question-list");

    answerFinish(0);
    js("document.getElementById('btnReviewFinish').click()");
    ASSERT_TRUE(waitUntil([&] { return records() == 1; }));
    const pugi::xml_node record = selectFirst(e.ctx.reportDoc, "QuestionBank/History/Test");
    EXPECT_STREQ(record.attribute("marks").value(), "3") << "B and A+C right, 80 wrong";
    EXPECT_STREQ(record.attribute("total_marks").value(), "4");
    EXPECT_STREQ(record.attribute("no_of_attempted").value(), "3");
    EXPECT_TRUE(e.ctx.examClosed);
    EXPECT_FALSE(q->isOpen());
    EXPECT_TRUE(main.action("mnuFile")->isEnabled());
}

TEST_F(QuestionWindowTest, TimeOverAsksWithoutCancelAndASavedTestKeepsItsPositionAndTime) {
    e.ctx.examTimer = "1";
    start("3");
    EXPECT_EQ(js("document.getElementById('clock').hidden").toBool(), false);
    js("document.getElementById('opt-1').click()");
    key("n");
    bool cancelEnabled = true;
    answerFinish(-1, &cancelEnabled);  // the close box: the test stays on its time-over page
    ASSERT_TRUE(waitUntil([&] { return q->player().FrameNum() == 3 && q->logic().iReply == "close"; }));
    EXPECT_FALSE(cancelEnabled);
    EXPECT_TRUE(q->isOpen());
    shot("time-over");
    answerFinish(2, &cancelEnabled);
    js("document.getElementById('btnEndAfterTime').click()");
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(savedExamPath(e.ctx)); }));
    EXPECT_FALSE(cancelEnabled);
    ASSERT_TRUE(loadSaveExam(e.ctx));
    pugi::xml_document saved;
    ASSERT_TRUE(parseXml(saved, readFile(currentTestFilePath(e.ctx))));
    EXPECT_STREQ(saved.document_element().attribute("currentQuestionID").value(), "2");
    EXPECT_STREQ(saved.document_element().attribute("time_remaining").value(), "0");
    EXPECT_STREQ(selectFirst(saved, "Test/item[1]/user_attempt_report/marks_scored").text().get(), "1");

    // Resumed: the same question, the answer still chosen.
    e.ctx.examTimer = "0";
    run.openQuestionScreen("Certification");
    ASSERT_TRUE(waitUntil([&] { return q->player().FrameNum() == 1 && text("progressText") == "Question 2 of 3"; }));
    EXPECT_EQ(js("document.getElementById('clock').hidden").toBool(), true) << "no clock without the timer";
    key("p");
    EXPECT_EQ(js("document.getElementById('opt-1').checked").toBool(), true);
}

TEST_F(QuestionWindowTest, ExhibitsOpenOneAtATimeAndAPathWithoutAPictureSaysSo) {
    std::filesystem::create_directories(e.folder / "Database" / "images");
    writeFile(e.folder / "Database" / "images" / "ports.svg",
              "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'><rect width='40' height='30' fill='teal'/></svg>");
    start();
    key("n");
    key("n");
    ASSERT_EQ(text("progressText"), "Question 3 of 3");
    js("document.getElementById('btnExhibit').click()");
    ASSERT_TRUE(waitUntil([&] { return run.exhibits().current() != nullptr; }));
    ExhibitWindow* first = run.exhibits().current();
    EXPECT_TRUE(first->showsPicture());
    waitUntil([&] { return !first->view()->url().isEmpty(); }, 5000);
    EXPECT_EQ(first->view()->url().path(), "/Database/images/ports.svg") << first->view()->url().toString().left(80).toStdString();
    // The picture is drawn, in the middle of the window.
    QWebEnginePage* shown = first->view()->page();
    EXPECT_TRUE(waitUntil([&] {
        return evaluate(shown, "var i = document.images[0]; !!i && i.complete && i.naturalWidth === 40 && "
                               "Math.abs(i.getBoundingClientRect().left + i.getBoundingClientRect().width / 2 - innerWidth / 2) <= 1 && "
                               "Math.abs(i.getBoundingClientRect().top + i.getBoundingClientRect().height / 2 - innerHeight / 2) <= 1")
            .toBool();
    }, 5000));
    keepShot(first, "exhibit");
    QPointer<ExhibitWindow> firstAlive(first);
    js("document.getElementById('btnExhibit').click()");
    ASSERT_TRUE(waitUntil([&] { return firstAlive.isNull() && run.exhibits().current(); })) << "one viewer at a time";
    run.exhibits().closeExhibit();
    run.exhibits().showExhibit("no-dollar-here", "Image Exhibit");
    EXPECT_FALSE(run.exhibits().current()->showsPicture());
    keepShot(run.exhibits().current(), "exhibit-without-picture");
    EXPECT_EQ(run.exhibits().current()->closeButton()->objectName(), "cmd_close");
    run.exhibits().current()->closeButton()->click();
    EXPECT_TRUE(waitUntil([&] { return run.exhibits().current() == nullptr; }));
}
