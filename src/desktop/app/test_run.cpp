#include "desktop/app/test_run.h"

#include "bank/standard_tests.h"
#include "core/app_context.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/exhibit_window.h"
#include "desktop/screens/image_window.h"
#include "desktop/screens/main_window.h"
#include "desktop/screens/question_window.h"

namespace examsim {

DesktopTestRun::DesktopTestRun(AppContext& ctx, WebEnvironment& web)
    : ctx_(ctx),
      web_(web),
      exhibits_(std::make_unique<ExhibitViewers>(ctx, web)),
      images_(std::make_unique<ImageScreens>(ctx, web)) {
    dragDrop = images_.get();
}

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
        peers.report = report;
        peers.mode = this;
        peers.exhibit = exhibits_.get();
        peers.dragDrop = dragDrop;
        question_ = new QuestionScreenWindow(ctx_, web_, *main_, peers);
        if (dragDrop == images_.get()) images_->attach(question_, question_, &question_->player(), peers);
    }
    question_->open();
}

void DesktopTestRun::showModeScreen() {
    exhibits_->closeExhibit();
    if (showMode) showMode();
}

}  // namespace examsim
