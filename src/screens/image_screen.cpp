#include "screens/image_screen.h"

#include "core/app_context.h"
#include "core/links.h"
#include "core/product_settings.h"
#include "reports/report_history.h"
#include "screens/image_screen_contract.h"
#include "screens/report_screen.h"
#include "screens/show_report.h"
#include "testrun/saved_exam.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

namespace examsim {

using namespace image_contract;

frmImage::frmImage(AppContext& ctx, ImageScreenPeers peers) : MovieScreen(ctx), peers_(peers) {
    addHelpButton([this] { return productHelpFile(ctx_); });
    addAboutButton();
    onCommand(command::Dimensions, [this](const std::string& a) { resize(a); });
    onButton(button::TimeOverTest, [this] { timeOver(); });
    onButton(button::CmdFinish, [this] { finishTest(); });
    onButton(button::SaveAndResume, [this] { saveAndResume(); });
    onCommand(command::SendFeedBack, [this](const std::string& a) { feedback(a); });
    onCommand(command::Finish, [this](const std::string& a) { finishQuestion(a); });
}

void frmImage::load() {
    set(var::ExamMode, ctx_.currentModeLabel);
    copyright_ = kCopyrightLine;
    helpFolder_ = ProductSettings(ctx_).helpFolder();
}

void frmImage::activate() {
    if (!loadScreenMovie(ctx_, movie(), kMovieFile)) return;
    movie().Rewind();
    set(var::ContentSize, ctx_.contentSize == 0 ? "10" : std::to_string(ctx_.contentSize + 1));
    set(var::TestName, ProductSettings(ctx_).productName());
    if (peers_.window) peers_.window->disableFileMenu();
    set(var::ExamMode, examCaption(ctx_.currentModeLabel));
    set(var::CopyRight, copyright_);
}

void frmImage::clearResponse() { set(var::UAR, ""); }

std::string frmImage::examCaption(const std::string& modeLabel) {
    std::string caption = modeLabel;
    // A label already written "Practice 2" keeps its one space.
    if (caption.compare(0, 8, "Practice") == 0 && (caption.size() == 8 || caption[8] != ' ')) caption.insert(8, " ");
    return caption + " Exam";
}

namespace {

// A whole, finite, non-negative number of pixels no screen exceeds.
std::optional<double> pixels(const std::string& text) {
    if (text.empty() || text.find_first_not_of(" ") == std::string::npos) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    while (end && *end == ' ') ++end;
    if (!end || *end != '\0' || !std::isfinite(v) || v < 0 || v > 100000) return std::nullopt;
    return v;
}

}  // namespace

std::optional<ImageScreenSize> frmImage::dimensions(const std::string& args, double twipsPerPixelX,
                                                    double twipsPerPixelY) {
    const std::size_t colon = args.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto w = pixels(args.substr(0, colon));
    const auto h = pixels(args.substr(colon + 1));
    if (!w || !h) return std::nullopt;
    ImageScreenSize s;
    s.movieHeight = static_cast<int>(std::lround(*h + 80 + 100));
    s.movieWidth = static_cast<int>(std::lround(*w + 150 + 100));
    s.windowWidthTwips = static_cast<int>(std::lround((*w + 150) * twipsPerPixelX));
    s.windowHeightTwips = static_cast<int>(std::lround((*h + 100) * twipsPerPixelY));
    return s;
}

void frmImage::resize(const std::string& args) {
    if (!peers_.window) return;
    const auto size = dimensions(args, peers_.window->twipsPerPixelX(), peers_.window->twipsPerPixelY());
    if (!size) {
        std::cerr << "examsim: \"dimensions\" with \"" << args << "\" is not two numbers in pixels; nothing resized\n";
        return;
    }
    peers_.window->sizeImageScreen(*size);
}

void frmImage::finishQuestion(const std::string& record) {
    set(var::UAR, record);
    if (peers_.questionMovie) peers_.questionMovie->SetVariable(var::UAR, record);
    if (peers_.window) peers_.window->hideImageScreen();
}

void frmImage::feedback(const std::string& questionId) {
    sendMail(ctx_, ProductSettings(ctx_).mentorAddress(), ctx_.windowTitle + "(QuestionID= " + questionId + ")", "");
}

bool frmImage::askFinish(bool afterTimeOver) {
    iReply.clear();
    const int mine = ++dialogs_;
    const FinishFlags flags{ctx_.recordableResult, ctx_.quizKind, afterTimeOver};
    if (peers_.finish) peers_.finish->showFinish(*this, flags);
    return mine == dialogs_;
}

void frmImage::timeOver() {
    if (ctx_.examClosed) return;
    if (peers_.finish && peers_.finish->finishOpen()) peers_.finish->closeFinish();
    if (askFinish(true)) endTest(true);
}

void frmImage::finishTest() {
    if (!ctx_.examClosed && peers_.finish && peers_.finish->finishOpen()) peers_.finish->closeFinish();
    if (askFinish(false)) endTest(false);
}

// This screen's own document is recorded, shown or saved; one that cannot be
// stays on screen, the user told why.
void frmImage::endTest(bool afterTimeOver) {
    const std::string reply = iReply;
    if (reply == "score") {
        std::string xml = movie().GetVariable(var::QbXml);
        if (!recordReport(ctx_, xml)) return;
        leaveTest(true);
    } else if (reply == "show") {
        if (!peers_.report || !evaluateAndShowReport(ctx_, movie().GetVariable(var::QbXml), *peers_.report)) return;
        leaveTest(false);
    } else if (reply == "save") {
        if (!saveTest(ctx_, movie().GetVariable(var::QbXml), movie().GetVariable(var::QuestionIndex))) return;
        leaveTest(true);
    } else if (reply == "cancel") {
        if (afterTimeOver) movie().Stop();
        leaveTest(true);
    }
}

void frmImage::leaveTest(bool modeScreen) {
    hideScreens();
    ctx_.examClosed = true;
    if (modeScreen && peers_.mode) peers_.mode->showModeScreen();
}

// The question screen would otherwise stay on with a test already ended.
void frmImage::hideScreens() {
    if (peers_.window) peers_.window->hideImageScreen();
    if (peers_.question) peers_.question->hideQuestionScreen();
}

void frmImage::saveAndResume() {
    if (!saveTest(ctx_, movie().GetVariable(var::QbXml), movie().GetVariable(var::QuestionIndex))) return;
    hideScreens();
    if (peers_.mode) peers_.mode->showModeScreen();
}

}  // namespace examsim
