// The report screen on the real engine: the report movie on an evaluated test,
// driven by clicks and keys, its pictures, and the printable report of three
// questions printed to PDF.
#include "assembled_app.h"
#include "core/messages.h"
#include "core/xml.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/print_window.h"
#include "desktop/screens/report_window.h"
#include "engine_support.h"
#include "reports/report_history.h"
#include "screens/show_report.h"

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QSet>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

// The mode screen as the report leads back to it.
struct FakeMode : ModeScreenFromReport {
    Movie* modeMovie() override { return &movie; }
    void showModeScreen() override { log.push_back("mode"); }
    void disableHistoryMenuEntry() override { log.push_back("history entry off"); }
    FakeMovie movie;
    std::vector<std::string> log;
};

// Three questions of the sample product's kinds, played: one right, one wrong, one left.
std::string playedTest() {
    return "<Test name=\"Practice 1\" time=\"600\"><property/>"
           "<item questionId=\"S\" type=\"Single Choice\" total_marks=\"1\" category=\"Network Services\" topic=\"Network Services\">"
           "<statement>Which service names hosts?</statement>"
           "<responses><response name=\"A\" correct=\"false\">DHCP</response><response name=\"B\" correct=\"true\">DNS</response></responses>"
           "<explanation>DNS resolves names to addresses.</explanation>"
           "<user_attempt_report><user_attempts><attempt>B</attempt></user_attempts><marks_scored>1</marks_scored></user_attempt_report></item>"
           "<item questionId=\"M\" type=\"Multiple Choice\" total_marks=\"2\" category=\"Network Addressing\" topic=\"Network Addressing\">"
           "<statement>Which addresses are private? (Choose two.)</statement>"
           "<responses><response name=\"A\" correct=\"true\">10.1.1.1</response><response name=\"B\" correct=\"false\">8.8.8.8</response>"
           "<response name=\"C\" correct=\"true\">192.168.0.1</response></responses>"
           "<explanation>RFC 1918 keeps 10/8 and 192.168/16 private.</explanation>"
           "<user_attempt_report><user_attempts><attempt>B</attempt></user_attempts><marks_scored>0</marks_scored></user_attempt_report></item>"
           "<item questionId=\"F\" type=\"Fill in the blank\" total_marks=\"1\" category=\"Network Services\" topic=\"Network Services\">"
           "<statement>Secure web traffic uses TCP port _____.</statement>"
           "<responses><response name=\"answer\">443</response></responses>"
           "<explanation>HTTPS listens on 443.</explanation></item></Test>";
}

// A picture with something drawn on it: many colours, not one flat field.
int colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

void press(QWidget* view, int key, const QString& text = {}) {
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

class ReportWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        loadReportHistory(a.ctx);
        a.ctx.currentModeLabel = "Certification";
        main.resize(1200, 860);
        main.show();
        report = new ReportScreenWindow(a.ctx, *a.web, main, ReportPeers{nullptr, &mode});
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Scores the played test and opens the screen on it, as the question screen's "show" does.
    void open() {
        ASSERT_TRUE(evaluateAndShowReport(a.ctx, playedTest(), *report));
        ASSERT_TRUE(waitUntil([&] {
            return report->player().isDrawn() && report->player().FrameNum() == 1 &&
                   !std::filesystem::exists(currentTestFilePath(a.ctx));
        })) << "the movie reads the test, asks for its deletion and shows the summary";
        page = report->player().page();
    }
    QVariant js(const QString& script) { return evaluate(page, script); }
    QString text(const char* id) { return js(QString("document.getElementById('%1').textContent").arg(id)).toString(); }
    void click(const char* id) { js(QString("document.getElementById('%1').click()").arg(id)); }
    int count(const char* selector) { return js(QString("document.querySelectorAll('%1').length").arg(selector)).toInt(); }
    // The movie as drawn, once it has settled after a change.
    QImage picture(const char* name) {
        waitUntil([] { return false; }, 500);
        QImage image = report->player().grab().toImage();
        const auto dir = a.folder / "shots";
        std::filesystem::create_directories(dir);
        image.save(QString::fromStdString((dir / name).string()));
        if (const char* keep = std::getenv("EXAMSIM_SHOTS")) image.save(QString("%1/%2").arg(keep, name));
        return image;
    }
    std::size_t records() { return selectAll(a.ctx.reportDoc, "QuestionBank/History/Test").size(); }
    std::vector<std::string> said() {
        std::vector<std::string> texts;
        for (const ShownMessage& m : a.host.messages.shown) texts.push_back(m.text);
        a.host.messages.shown.clear();
        return texts;
    }

    AssembledApp a{sampleProduct()};
    MainWindow main{a.ctx, *a.web, {}};
    FakeMode mode;
    ReportScreenWindow* report = nullptr;
    QWebEnginePage* page = nullptr;
};

}  // namespace

TEST_F(ReportWindowTest, TheSummaryAndTheReviewShowTheResultAndTheLearnerGoesOnByMouseAndKeyboard) {
    open();
    EXPECT_EQ(text("percentage"), "25%") << "1 of 4 marks";
    EXPECT_EQ(text("factQuestions"), "3");
    EXPECT_EQ(text("factAttempted"), "2");
    EXPECT_EQ(text("factCorrect"), "1");
    EXPECT_EQ(text("factMarks"), "1 of 4");
    EXPECT_EQ(text("headBadge"), "Fail");
    EXPECT_EQ(count("#chart li"), 2) << "one bar per objective of the test";
    EXPECT_TRUE(js("document.querySelector('#chart .bar').getAttribute('aria-label')").toString().startsWith("Network Services: 50%"));
    const QImage summary = picture("report-summary.png");
    EXPECT_GT(colours(summary), 40) << "the summary is drawn";

    // The keyboard: focus on "Review the answers" and Enter.
    report->player().setFocus();
    js("document.getElementById('btnReviewAnswers').focus()");
    ASSERT_TRUE(waitUntil([&] {
        press(&report->player(), Qt::Key_Return, "\r");
        return waitUntil([&] { return report->player().FrameNum() == 2; }, 300);
    }));
    EXPECT_EQ(count("#reviewList article"), 3);
    EXPECT_EQ(js("document.activeElement.id").toString(), "hReview") << "focus moves to the frame's heading";
    EXPECT_EQ(count("#reviewList .options li.correct"), 3) << "the right options are marked";
    EXPECT_EQ(count("#reviewList .options li.chosen-wrong"), 1) << "and the learner's wrong choice";
    const QImage review = picture("report-review.png");
    EXPECT_GT(colours(review), 40);
    EXPECT_NE(summary, review);
    click("filterWrong");
    EXPECT_EQ(count("#reviewList article"), 1);
    EXPECT_TRUE(text("reviewList").contains("Which addresses are private?"));

    // Saving once, then again.
    a.ctx.recordableResult = true;
    click("btnSaveReport");
    ASSERT_TRUE(waitUntil([&] { return records() == 1; }));
    click("btnSaveReport");
    ASSERT_TRUE(waitUntil([&] { return a.host.messages.shown.size() == 2; }));
    EXPECT_EQ(said(), (std::vector<std::string>{frmReport::kSaved, frmReport::kAlreadySaved}));
    EXPECT_EQ(records(), 1u);

    // A bookmark with a remark, saved from the bookmark page.
    click("navBookmarks");
    ASSERT_TRUE(waitUntil([&] { return report->player().FrameNum() == 3; }));
    js("var b = document.getElementById('bm2'); b.click();"
       "var r = document.getElementById('bmr2'); r.value = 'mind the ranges'; r.dispatchEvent(new Event('change'));");
    click("btnSaveBookmarks");
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(a.app / "Database" / "bookmark.wlb"); }));
    EXPECT_NE(mode.movie.vars["new_xml"].find("mind the ranges"), std::string::npos);

    // Closing leaves for the mode screen.
    click("btnCloseReport");
    ASSERT_TRUE(waitUntil([&] { return !report->isOpen(); }));
    EXPECT_EQ(mode.log, std::vector<std::string>{"mode"});
}

TEST_F(ReportWindowTest, ThreeChosenQuestionsPrintThroughTheStylesheetToAPdf) {
    open();
    click("navPrint");
    ASSERT_TRUE(waitUntil([&] { return report->player().FrameNum() == 4; }));
    click("pickAll");
    PrintWindow* viewer = nullptr;
    QObject::connect(report, &ReportScreenWindow::printViewerShown, [&viewer](PrintWindow* v) { viewer = v; });
    click("btnPrintChosen");
    ASSERT_TRUE(waitUntil([&] { return viewer != nullptr; }));
    EXPECT_EQ(viewer->windowTitle().toStdString(), "Test Report");
    ASSERT_TRUE(waitUntil([&] { return !std::filesystem::exists(currentTestFilePath(a.ctx)); }))
        << "the printable report goes once the viewer has read it";
    QString shown;
    ASSERT_TRUE(waitUntil([&] {
        shown = evaluate(viewer->web()->page(), "document.body ? document.body.innerText : ''").toString();
        return shown.contains("Test Report");
    })) << "rendered through print.xsl: " << shown.toStdString();
    // On the screen the report keeps off the window's edges, and an explanation
    // starts on its own line, with no blank line before it.
    EXPECT_GE(evaluate(viewer->web()->page(), "document.querySelector('h1').getBoundingClientRect().left").toInt(), 12);
    EXPECT_TRUE(evaluate(viewer->web()->page(), "document.querySelector('.explanation').innerText.indexOf('Explanation.') === 0")
                    .toBool());
    keepShot(viewer, "report-print-viewer");

    bool saved = false, done = false;
    QObject::connect(viewer, &PageViewerWindow::pdfSaved, [&](bool ok) { saved = ok, done = true; });
    // Save as PDF through its save dialog: the learner takes the name it
    // proposes, in a folder of their own.
    const auto pdf = a.folder / "Test Report.pdf";
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        answer.stop();
        dialog->selectFile(QString::fromStdString(pdf.string()));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    answer.start(50);
    viewer->cmdSavePdf()->click();
    ASSERT_TRUE(waitUntil([&] { return done; }));
    ASSERT_TRUE(saved);
    ASSERT_TRUE(std::filesystem::exists(pdf)) << "written where the learner chose";

    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    ASSERT_TRUE(text.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const char* statement : {"Which service names hosts?", "Which addresses are private? (Choose two.)",
                                  "Secure web traffic uses TCP port _____."})
        EXPECT_TRUE(words.contains(statement)) << statement << " in: " << words.toStdString();
    const auto png = a.folder / "page";
    QProcess render;
    render.start("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", QString::fromStdString(pdf.string()),
                              QString::fromStdString(png.string())});
    ASSERT_TRUE(render.waitForFinished(30000));
    QImage first;
    for (const char* name : {"page-1.png", "page-01.png"})
        if (first.isNull()) first.load(QString::fromStdString((a.folder / name).string()));
    ASSERT_FALSE(first.isNull());
    EXPECT_GT(colours(first), 8) << "the page is not blank";
    if (const char* keep = std::getenv("EXAMSIM_SHOTS")) first.save(QString("%1/report-printed.png").arg(keep));
    viewer->close();
}

TEST_F(ReportWindowTest, NothingChosenToPrintIsSaidAndNoViewerOpens) {
    open();
    click("navPrint");
    ASSERT_TRUE(waitUntil([&] { return report->player().FrameNum() == 4; }));
    click("btnPrintChosen");
    ASSERT_TRUE(waitUntil([&] { return !a.host.messages.shown.empty(); }));
    EXPECT_EQ(said(), std::vector<std::string>{messageText(a.ctx, "ri8")});
    EXPECT_EQ(report->printViewer(), nullptr);
}
