#include "assembled_app.h"
#include "desktop/screens/browser_window.h"
#include "desktop/screens/print_window.h"
#include "engine_support.h"
#include "screens/movie_screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

void pressKey(QWebEngineView* view) {
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

bool hintShown(const FakeMessageBoxes& boxes) {
    for (const ShownMessage& m : boxes.shown)
        if (m.text == PageViewer::kPrintHint) return true;
    return false;
}

// Keys until the hint comes: the page hears keys once its listener has joined.
bool keysBringTheHint(QWebEngineView* view, const FakeMessageBoxes& boxes, int timeoutMs = 20000) {
    view->setFocus();
    for (int waited = 0; waited < timeoutMs; waited += 300) {
        pressKey(view);
        if (waitUntil([&] { return hintShown(boxes); }, 300)) return true;
    }
    return false;
}

// The page's text once it is on the screen.
QString shownText(QWebEngineView* view) {
    QString text;
    waitUntil([&] {
        text = evaluate(view->page(), "document.body ? document.body.innerText : ''").toString();
        return !text.trimmed().isEmpty();
    });
    return text;
}

class Viewers : public ::testing::Test {
protected:
    // Closed viewers delete themselves later; they go before the web profile does.
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    AssembledApp a{sampleProduct()};
};

}  // namespace

TEST_F(Viewers, ThePrintableReportShowsThePrintHintAndPrintsOnlyOnYes) {
    const auto report = currentTestFilePath(a.ctx);
    writeFile(report, "<?xml version=\"1.0\" encoding=\"windows-1252\"?><?xml-stylesheet type=\"text/xsl\" href=\"print.xsl\"?>"
                      "<Test name=\"Final\"><Product>Network Essentials</Product></Test>");
    auto* w = new PrintWindow(a.ctx, *a.web, report, "", true);
    ASSERT_TRUE(w->openPage());
    w->show();
    EXPECT_EQ(w->copyright()->text().toStdString(), kCopyrightLine);
    ASSERT_TRUE(waitUntil([&] { return !std::filesystem::exists(report); })) << "deleted once the browser has read it";
    EXPECT_TRUE(shownText(w->web()).contains("Network Essentials"));
    keepShot(w, "print-viewer");
    ASSERT_TRUE(keysBringTheHint(w->web(), a.host.messages));

    std::vector<bool> printed;
    QObject::connect(w, &PageViewerWindow::printed, [&printed](bool ok) { printed.push_back(ok); });
    const auto pdf = a.folder / "printed.pdf";
    w->printer().setOutputFormat(QPrinter::PdfFormat);
    w->printer().setOutputFileName(QString::fromStdString(pdf.string()));
    a.host.messages.shown.clear();
    a.host.messages.answers = {msg::No};
    w->cmdPrint()->click();
    ASSERT_EQ(a.host.messages.shown.size(), 1u);
    EXPECT_EQ(a.host.messages.shown[0].title, "Print");
    EXPECT_FALSE(waitUntil([&] { return !printed.empty(); }, 1500)) << "No prints nothing";
    a.host.messages.answers = {msg::Yes};
    w->cmdPrint()->click();
    ASSERT_TRUE(waitUntil([&] { return !printed.empty(); }, 30000));
    EXPECT_TRUE(printed[0]);
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
    w->cmdOk()->click();
}

TEST_F(Viewers, TheHtmlViewerShowsEncipheredPagesAndHintsOnAllButTheTips) {
    const auto plain = a.app / "Database" / "htmlfile.html";
    auto* tips = new BrowserWindow(a.ctx, *a.web, nullptr, a.app / "Database" / "TTips.wlb", "Tips", false);
    bool read = false;
    QObject::connect(tips, &PageViewerWindow::pageRead, [&read] { read = true; });
    ASSERT_TRUE(tips->openPage());
    EXPECT_TRUE(std::filesystem::exists(plain)) << "the browser is given a plain copy";
    tips->show();
    // Text may show before loading has finished; the copy goes at that point.
    ASSERT_TRUE(waitUntil([&] { return read; }));
    EXPECT_FALSE(std::filesystem::exists(plain)) << "the plain copy goes once the page is read";
    EXPECT_FALSE(shownText(tips->web()).isEmpty());
    keepShot(tips, "tips-viewer");
    EXPECT_TRUE(std::filesystem::exists(a.app / "Database" / "TTips.wlb"));
    EXPECT_FALSE(keysBringTheHint(tips->web(), a.host.messages, 3000));
    tips->cmdOk()->click();

    auto* notes = new BrowserWindow(a.ctx, *a.web, nullptr, a.app / "Database" / "QuickRevision.wlb", "Quick Revision Notes", false);
    ASSERT_TRUE(notes->openPage());
    notes->show();
    EXPECT_FALSE(shownText(notes->web()).isEmpty());
    keepShot(notes, "notes-viewer");
    EXPECT_TRUE(keysBringTheHint(notes->web(), a.host.messages));
    notes->close();
    EXPECT_FALSE(std::filesystem::exists(plain));

    auto* missing = new BrowserWindow(a.ctx, *a.web, nullptr, a.app / "Database" / "Nothing.wlb", "Tips", false);
    a.host.messages.shown.clear();
    EXPECT_FALSE(missing->openPage()) << "a missing page is said, not shown empty";
    EXPECT_EQ(a.host.messages.shown.size(), 1u);
    delete missing;
}
