#include "core/data_file.h"
#include "core/startup.h"
#include "core/xml.h"
#include "desktop/app/desktop_host.h"
#include "desktop/app/startup_loaders.h"
#include "desktop/app/test_run.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/finish_dialog_window.h"
#include "desktop/screens/instruction_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/question_window.h"
#include "engine_support.h"
#include "testrun/saved_exam.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWebEnginePage>
#include <cmath>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

struct FreeLock : InstanceLock {
    bool acquire() override { return true; }
};

// The program on an application folder as start-up and the splash loader
// leave it: documents loaded, the main window shown, tests started from its menus.
struct Program {
    explicit Program(const std::filesystem::path& folder) : web((ctx.paths.setFolder(folder), ctx.paths)) {
        host.attach(ctx);
        ctx.host.pictures = &pictures;
        runStartup(ctx, lock, desktopStartupLoaders());
        SplashSteps steps;
        addSplashLoaders(ctx, steps);
        steps.loadReports();
        steps.loadQuestionBank();
        ctx.windowTitle = "Network Essentials Exam Simulator";
        tests = std::make_unique<DesktopTestRun>(ctx, web);
        main = std::make_unique<MainWindow>(ctx, web, ShellTargets{.tests = tests.get()});
        tests->attach(*main);
        main->show();
    }
    AppContext ctx;
    FakeHost host;
    QtPictures pictures;
    WebEnvironment web;
    FreeLock lock;
    std::unique_ptr<DesktopTestRun> tests;
    std::unique_ptr<MainWindow> main;
};

// Answers the exam instructions with OK whenever they come up.
void acceptInstructions(QObject* owner) {
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* w = qobject_cast<InstructionWindow*>(QApplication::activeModalWidget())) w->cmdOk()->click();
    });
    timer->start(50);
}

// How the learner answers question i (from 1): odd ones right, even ones wrong;
// the drag-and-drop kinds have no screen yet and stay unanswered.
struct Answering {
    QWebEnginePage* page;
    double expectedMarks = 0;
    double totalMarks = 0;

    QVariant js(const QString& s) { return evaluate(page, s); }

    void answer(const pugi::xml_node& item, int i) {
        const std::string type = item.attribute("type").value();
        const bool right = i % 2 == 1;
        if (type == "Single Choice" || type == "Multiple Choice") {
            int k = 0;
            bool clicked = false;
            for (pugi::xml_node r : item.child("responses").children("response")) {
                const bool correct = std::string_view(r.attribute("correct").value()) == "true";
                if ((right && correct) || (!right && !correct && !clicked)) {
                    js(QString("document.getElementById('opt-%1').click()").arg(k));
                    clicked = true;
                    if (!right || type == "Single Choice") break;
                }
                ++k;
            }
        } else if (type == "Fill in the blank") {
            const std::string accepted = textContent(item.last_child().child("response"));
            js(QString("var f = document.getElementById('fillInput'); f.value = %1; f.dispatchEvent(new Event('input'))")
                   .arg(right ? "'" + QString::fromStdString(accepted) + "'" : "'no idea'"));
        } else {
            return;
        }
        if (right) expectedMarks += item.attribute("total_marks").as_double();
    }
};

class TestRunEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        QProcess pack;
        pack.start(EXAMSIM_PACK, {"assemble", QString::fromStdString((sourceDir() / "product").string()),
                                  QString::fromStdString((folder / "app").string())});
        ASSERT_TRUE(pack.waitForFinished(60000));
        ASSERT_EQ(pack.exitCode(), 0) << pack.readAll().toStdString();
    }
    // Starts Final from the menu and waits for its first question.
    QuestionScreenWindow* startFinal(Program& p) {
        acceptInstructions(p.main.get());
        p.main->action("mnuFinal")->trigger();
        QuestionScreenWindow* q = p.tests->questionScreen();
        EXPECT_TRUE(q);
        if (!q) return nullptr;
        EXPECT_TRUE(waitUntil([&] { return q->player().isDrawn() && q->player().FrameNum() == 1 && !q->player().GetVariable("qb_xml").empty(); }));
        return q;
    }
    // Answers questions from..to by the rule, moving on with the Next button.
    void answer(QuestionScreenWindow* q, Answering& a, int from, int to) {
        pugi::xml_document played;
        ASSERT_TRUE(parseXml(played, q->player().GetVariable("qb_xml")));
        const auto items = selectAll(played, "Test/item");
        for (int i = from; i <= to; ++i) {
            ASSERT_EQ(a.js("document.getElementById('progressText').textContent").toString(),
                      QString("Question %1 of %2").arg(i).arg(items.size()));
            a.answer(items[static_cast<std::size_t>(i - 1)].node(), i);
            if (i < static_cast<int>(items.size())) a.js("document.getElementById('btnNext').click()");
        }
        a.totalMarks = 0;
        for (const auto& x : items) a.totalMarks += x.node().attribute("total_marks").as_double();
    }
    void finishWithScore(QuestionScreenWindow* q, Answering& a) {
        QObject::connect(q, &QuestionScreenWindow::finishShown, q, [](FinishDialogWindow* d) {
            d->option(0)->setChecked(true);
            d->cmdYes()->click();
        }, Qt::SingleShotConnection);
        a.js("document.getElementById('btnFinish').click()");
    }
    static void expectRecord(const pugi::xml_node& record, const Answering& a) {
        EXPECT_STREQ(record.attribute("name").value(), "Final");
        EXPECT_EQ(record.attribute("marks").as_double(), a.expectedMarks);
        EXPECT_EQ(record.attribute("total_marks").as_double(), a.totalMarks);
        const double percentage = std::nearbyint(a.expectedMarks / a.totalMarks * 100);
        EXPECT_EQ(std::nearbyint(record.attribute("marks").as_double() / record.attribute("total_marks").as_double() * 100),
                  percentage);
        EXPECT_STREQ(record.attribute("remarks").value(), percentage >= 70 ? "Pass" : "Fail");
    }
    std::size_t storedRecords(Program& p) {
        pugi::xml_document stored;
        if (!loadDataDocument(p.ctx, "MainReport", stored)) return 0;
        return selectAll(stored, "QuestionBank/History/Test").size();
    }

    TempFolder folder;
};

}  // namespace

TEST_F(TestRunEndToEnd, FinalStartedFromTheMenuIsAnsweredOnThePageAndScoredIntoTheHistory) {
    Program p(folder / "app");
    QuestionScreenWindow* q = startFinal(p);
    ASSERT_TRUE(q);
    Answering a{q->player().page()};
    answer(q, a, 1, 50);
    finishWithScore(q, a);
    ASSERT_TRUE(waitUntil([&] { return storedRecords(p) == 1; }));
    expectRecord(selectFirst(p.ctx.reportDoc, "QuestionBank/History/Test"), a);
    EXPECT_FALSE(q->isOpen());
}

TEST_F(TestRunEndToEnd, AFinalSavedAtQuestionTenResumesAfterARestartAndFinishes) {
    Answering a{nullptr};
    {
        Program p(folder / "app");
        QuestionScreenWindow* q = startFinal(p);
        ASSERT_TRUE(q);
        a.page = q->player().page();
        answer(q, a, 1, 9);
        a.js("document.getElementById('btnSave').click()");
        ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(savedExamPath(p.ctx)); }));
        EXPECT_FALSE(q->isOpen());
    }
    Program p(folder / "app");
    // What the mode screen's saved-exam button does.
    ASSERT_TRUE(loadSaveExam(p.ctx));
    p.tests->openQuestionScreen(p.ctx.currentModeLabel);
    QuestionScreenWindow* q = p.tests->questionScreen();
    a.page = q->player().page();
    ASSERT_TRUE(waitUntil([&] { return q->player().isDrawn() && q->player().FrameNum() == 1 && !q->player().GetVariable("qb_xml").empty(); }));
    EXPECT_FALSE(std::filesystem::exists(savedExamPath(p.ctx))) << "a saved exam resumes once";
    answer(q, a, 10, 50);
    finishWithScore(q, a);
    ASSERT_TRUE(waitUntil([&] { return storedRecords(p) == 1; }));
    expectRecord(selectFirst(p.ctx.reportDoc, "QuestionBank/History/Test"), a);
}
