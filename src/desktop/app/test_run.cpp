#include "desktop/app/test_run.h"

#include "bank/standard_tests.h"
#include "core/app_context.h"
#include "core/file_io.h"
#include "core/file_ops.h"
#include "core/xml.h"
#include "desktop/screens/exhibit_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/question_window.h"

#include <cmath>

namespace examsim {

DesktopTestRun::DesktopTestRun(AppContext& ctx, WebEnvironment& web)
    : ctx_(ctx), web_(web), exhibits_(std::make_unique<ExhibitViewers>(ctx, web)) {}

DesktopTestRun::~DesktopTestRun() = default;

bool DesktopTestRun::startTest(const std::string& name) { return examsim::startTest(ctx_, name); }

void DesktopTestRun::openQuestionScreen(const std::string& modeLabel) {
    ctx_.examClosed = false;
    ctx_.currentModeLabel = modeLabel;
    if (hideMode) hideMode();
    showQuestionScreen(false);
}

// A resumed test finds its question in the test itself (currentQuestionID).
void DesktopTestRun::showQuestionScreen(bool) {
    if (!question_) {
        TestRunPeers peers;
        peers.report = report ? report : this;
        peers.mode = this;
        peers.exhibit = exhibits_.get();
        peers.dragDrop = dragDrop;
        question_ = new QuestionScreenWindow(ctx_, web_, *main_, peers);
    }
    question_->open();
}

void DesktopTestRun::showModeScreen() {
    exhibits_->closeExhibit();
    if (showMode) showMode();
}

void DesktopTestRun::showReport() {
    exhibits_->closeExhibit();
    const auto file = currentTestFilePath(ctx_);
    std::string text;
    pugi::xml_document doc;
    if (readWholeFile(file, text) && parseXml(doc, text)) {
        const pugi::xml_node t = doc.document_element();
        const int marks = t.attribute("marks").as_int();
        const int total = t.attribute("total_marks").as_int();
        const std::string summary = std::string(t.attribute("name").value()) + ": " + std::to_string(marks) + " of " +
                                    std::to_string(total) + " marks (" +
                                    std::to_string(total ? static_cast<int>(std::nearbyint(static_cast<double>(marks) / total * 100)) : 0) + "%), " +
                                    t.attribute("remarks").value() + ".\n" + t.attribute("text_result_analysis").value();
        if (ctx_.host.messages) ctx_.host.messages->show(summary, msg::OkOnly | msg::Information, ctx_.windowTitle);
    }
    deleteFile(ctx_.paths, file);
    if (showMode) showMode();
}

}  // namespace examsim
