#include "screens/question_screen.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/product_settings.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/image_dimension.h"
#include "screens/question_screen_contract.h"
#include "screens/report_screen.h"
#include "screens/show_report.h"
#include "testrun/saved_exam.h"

#include <cmath>
#include <iostream>

namespace examsim {

using namespace question;

frmQuestion::frmQuestion(AppContext& ctx, TestRunPeers peers) : MovieScreen(ctx), peers_(peers) {
    addHelpButton([this] { return productHelpFile(ctx_); });
    addAboutButton();
    onCommand(kShowExhibit, [this](const std::string& a) { showExhibit(a); });
    onButton(kTimeOverTest, [this] { timeOver(); });
    onButton(kCmdFinish, [this] { finish(); });
    onButton(kBtnSaveAndResume, [this] { saveAndResume(); });
    onCommand(kSendFeedBack, [this](const std::string& a) { feedback(a); });
    onCommand(kDragDropQuestion, [this](const std::string& a) { dragDropQuestion(a); });
    onCommand(kCloseDragDropWindow, [this](const std::string& a) { closeDragDropWindow(a); });
}

void frmQuestion::load() {
    copyright_ = kCopyrightLine;
    helpFolder_ = ProductSettings(ctx_).helpFolder();
    set(kTxtResolution, resolutionValue(ctx_));
}

int frmQuestion::movieTop(int windowTop, int currentMovieTop) {
    if (windowTop < -100) return 75;
    if (windowTop > -100) return 0;
    return currentMovieTop;
}

void frmQuestion::activate(int movieHeightTwips) {
    // The user has been told when the movie could not be written.
    if (!loadScreenMovie(ctx_, movie(), kMovieFile)) return;
    movie().Rewind();
    // Loading replaced the movie that the window's load told its resolution.
    set(kTxtResolution, resolutionValue(ctx_));
    set(kContentSize, std::to_string(ctx_.contentSize == 0 ? 10 : ctx_.contentSize));
    set(kTxtTestName, ProductSettings(ctx_).productName());
    if (peers_.window) peers_.window->disableFileMenu();
    set(kTxtCopyRight, copyright_);
    set(kReso, std::to_string(std::lround(movieHeightTwips / 15.0)));
    if (ctx_.examTimer.empty()) ctx_.examTimer = "1";
    set(kTestTime, ctx_.examTimer);
    set(kTxtExamMode, ctx_.currentModeLabel);
    set(kFlagValidate, ctx_.validateValue);
}

bool frmQuestion::askFinish(bool afterTimeOver) {
    // A reply left from an earlier dialog or test must not be taken for this one.
    iReply.clear();
    const int mine = ++dialogs_;
    const FinishFlags flags{ctx_.recordableResult, ctx_.quizKind, afterTimeOver};
    if (peers_.finish) peers_.finish->showFinish(*this, flags);
    // A time-over inside this dialog closed it and has ended the test its own way.
    return mine == dialogs_;
}

void frmQuestion::timeOver() {
    if (peers_.dragDrop && peers_.dragDrop->loaded()) peers_.dragDrop->unload();
    if (ctx_.examClosed) return;
    if (peers_.finish && peers_.finish->finishOpen()) peers_.finish->closeFinish();
    if (askFinish(true)) endTest(true);
}

void frmQuestion::finish() {
    if (!ctx_.examClosed && peers_.finish && peers_.finish->finishOpen()) peers_.finish->closeFinish();
    if (askFinish(false)) endTest(false);
}

// A played test that cannot be recorded, shown or saved stays on screen: the
// user has been told, and the test exists nowhere else.
void frmQuestion::endTest(bool afterTimeOver) {
    const std::string reply = iReply;
    if (reply == "score") {
        std::string xml = movie().GetVariable(kQbXml);
        if (!recordReport(ctx_, xml)) return;
        if (afterTimeOver) clearDragDropResponse();
        leaveTo(true);
    } else if (reply == "show") {
        const std::string xml = movie().GetVariable(kQbXml);
        if (!peers_.report || !evaluateAndShowReport(ctx_, xml, *peers_.report)) return;
        clearDragDropResponse();
        leaveTo(false);
    } else if (reply == "save") {
        if (afterTimeOver) clearDragDropResponse();
        if (!saveTest(ctx_, movie().GetVariable(kQbXml), movie().GetVariable(kQuestionIndex))) return;
        if (!afterTimeOver) clearDragDropResponse();
        leaveTo(true);
    } else if (reply == "cancel") {
        if (afterTimeOver) movie().Stop();
        leaveTo(true);
    }
}

void frmQuestion::leaveTo(bool modeScreen) {
    if (peers_.window) peers_.window->hideQuestionScreen();
    ctx_.examClosed = true;
    if (modeScreen && peers_.mode) peers_.mode->showModeScreen();
}

void frmQuestion::clearDragDropResponse() {
    if (peers_.dragDrop) peers_.dragDrop->clearResponse();
}

void frmQuestion::saveAndResume() {
    if (!saveTest(ctx_, movie().GetVariable(kQbXml), movie().GetVariable(kQuestionIndex))) return;
    if (peers_.window) peers_.window->hideQuestionScreen();
    if (peers_.mode) peers_.mode->showModeScreen();
}

void frmQuestion::feedback(const std::string& questionId) {
    const std::string recipient = ProductSettings(ctx_).mentorAddress();
    sendMail(ctx_, recipient, ctx_.windowTitle + "Feedback: :" + "(" + questionId + ")", "");
}

void frmQuestion::dragDropQuestion(const std::string& questionXml) {
    std::string sized = setImageDimension(ctx_, questionXml);
    if (sized.empty()) {
        std::cerr << "examsim: \"DragDropQuestion\" with a question that does not parse; nothing shown\n";
        return;
    }
    const auto file = currentTestFilePath(ctx_);
    writeXMLFile(ctx_, sized, file, "DragDropQuestion");
    if (peers_.dragDrop) {
        peers_.dragDrop->showModal();
        return;
    }
    // No screen to read it: the question and its judging data do not stay on disk.
    deleteFile(ctx_.paths, file);
}

void frmQuestion::closeDragDropWindow(const std::string& questionType) {
    if (questionType == "DragNDrop" || questionType == "HotSpot" || questionType == "MultipleHotSpot")
        if (peers_.dragDrop) peers_.dragDrop->hideScreen();
}

void frmQuestion::showExhibit(const std::string& picturePath) {
    if (!peers_.exhibit) return;
    peers_.exhibit->closeExhibit();
    peers_.exhibit->showExhibit(picturePath, kExhibitCaption);
}

}  // namespace examsim
