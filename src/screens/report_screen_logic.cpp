#include "screens/report_screen_logic.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/product_settings.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/exam_mode_contract.h"
#include "screens/live_update.h"
#include "screens/printable_report.h"
#include "screens/question_screen.h"
#include "screens/report_contract.h"
#include "screens/test_run_peers.h"
#include "testrun/bookmarks.h"
#include "testrun/saved_exam.h"

#include <cmath>
#include <iostream>

namespace examsim {

using namespace report_contract;

namespace {

constexpr const char* kHelpFile = "\\Help\\Help.chm";
constexpr const char* kExhibitCaption = "Image Exhibit";

// Where bookmarks go when no mode screen is there to list them.
class NoMovie : public Movie {
public:
    void LoadMovie(int, const std::filesystem::path&) override {}
    void SetVariable(const std::string&, const std::string&) override {}
    std::string GetVariable(const std::string&) override { return {}; }
    void GotoFrame(int) override {}
    void TGotoFrame(const std::string&, int) override {}
    int FrameNum() override { return 0; }
    void Rewind() override {}
    void Stop() override {}
};

}  // namespace

frmReport::frmReport(AppContext& ctx, ReportPeers peers) : MovieScreen(ctx), peers_(peers) {
    addCommands();
    addButtons();
}

// ---- load and activation ----

void frmReport::load() {
    reportBookmarked = false;
    const ProductSettings product(ctx_);
    productName_ = product.productName();
    productTitle_ = productName_ + kStandardTitle;
    syncLink_ = product.onlineSynchronizationLink();
    forumLink_ = product.forumLink();
    const ProductPage resources = product.onlineResources();
    onlineResources_ = resources.folder + "\\" + resources.file;
    mailAddress_ = product.aboutSupportAddress();
    mentorAddress_ = product.mentorAddress();
    set(var::Resolution, resolutionValue(ctx_));
}

void frmReport::activate(double movieHeightTwips) {
    // The user has been told when the movie could not be written.
    if (!loadScreenMovie(ctx_, movie(), kMovieFile)) return;
    const ProductSettings product(ctx_);
    set(var::OnlineLink, product.onlineResourceLink());
    set(var::PassingPercentage, product.rootPassPercentage());
    movie().Rewind();
    set(var::SaveReport, ctx_.recordableResult ? "true" : "false");
    set(var::TestName, blankIfEmpty(productName_));
    set(var::CopyRight, kCopyrightLine);
    set(var::ExamMode, ctx_.currentModeLabel);
    set(var::Reso, std::to_string(static_cast<long long>(roundHalfEven(movieHeightTwips / 15.0))));
    set(var::ReportBookmarked, reportBookmarked ? "1" : "0");
    reportBookmarked = false;
}

// ---- messages ----

BoxAnswer frmReport::titled(const std::string& text, BoxStyle style) { return showText(ctx_, text, style, productTitle_); }

// The screen's own title, never given: empty.
BoxAnswer frmReport::untitled(const std::string& text, BoxStyle style) { return showText(ctx_, text, style, ""); }

BoxAnswer frmReport::titled(const MessageCode& code, BoxStyle style) { return showMessage(ctx_, code, style, productTitle_); }

// ---- the table ----

void frmReport::addCommands() {
    onCommand(command::ShowExhibit, [this](const std::string& picture) {
        if (!peers_.exhibit) return;
        peers_.exhibit->closeExhibit();
        peers_.exhibit->showExhibit(picture, kExhibitCaption);
    });
    onCommand(command::CloseExplanation, [this](const std::string&) { closeExplanation(); });
    onCommand(command::ExamMode, [this](const std::string& name) {
        if (name != button::PerformanceHistory) return;
        if (peers_.mode) peers_.mode->disableHistoryMenuEntry();
        performanceHistory();
    });
    onCommand(command::SendFeedBack, [this](const std::string& id) { feedback(id); });
    onCommand(command::PrintQuestion, [this](const std::string& positions) { printQuestions(positions); });
    onCommand(command::CloseReportBookmark, [this](const std::string& xml) { closeReportBookmark(xml); });
    onCommand(command::DragDropResponse,
              [this](const std::string& xml) { dragDropReport(xml, "dndReport", "User Response", true); });
    onCommand(command::DragDropRightAnswer,
              [this](const std::string& xml) { dragDropReport(xml, "DDRightAnsRep", "Right Answer", false); });
    onCommand(command::Error, [this](const std::string& code) { titled(messageText(ctx_, code)); });
}

void frmReport::addButtons() {
    onButton(button::SaveBookmark, [this] { saveBookmark(); });
    onButton(button::LiveUpdate, [this] {
        if (peers_.update) peers_.update->showLiveUpdate();
    });
    onButton(button::OnlineResources, [this] {
        if (const auto page = ctx_.paths.confined(onlineResources_)) openLink(ctx_, page->string());
    });
    addHelpButton([this] { return ctx_.paths.resolve(kHelpFile); });
    addAboutButton();
    onButton(button::PerformanceHistory, [this] { performanceHistory(); });
    onButton(button::DiscussIt, [this] { openLink(ctx_, forumLink_); });
    onButton(button::CloseExplanation, [this] {
        if (ctx_.bookmarkKind) bookmarkQuestions(movie().GetVariable(var::QuestionForVB));
    });
    onButton(button::BackBookmark, [this] {
        if (!peers_.mode) return;
        if (Movie* mode = peers_.mode->modeMovie()) mode->GotoFrame(exam_mode_contract::frame::Home);
        peers_.mode->showModeScreen();
    });
    onButton(button::SaveExam, [this] { backToTest(); });
    onButton(button::EmailReport, [this] { emailReport(); });
    onButton(button::CloseReport, [this] { closeReport(); });
    onButton(button::SaveReport, [this] { saveReport(); });
    onButton(button::SubmitScore, [this] { submitScore(); });
}

// ---- bookmarks ----

bool frmReport::bookmarkPressed() {
    const auto n = numberValue(movie().GetVariable(var::BookmarkPressed));
    return n && *n > 0;
}

void frmReport::bookmarkQuestions(const std::string& testXml) {
    NoMovie none;
    Movie* mode = peers_.mode ? peers_.mode->modeMovie() : nullptr;
    examsim::bookmarkQuestions(ctx_, testXml, mode ? *mode : none);
}

void frmReport::closeExplanation() {
    if (bookmarkPressed() && untitled(kSaveBookmarks, msg::YesNo) == msg::Yes)
        bookmarkQuestions(movie().GetVariable(var::QuestionItem));
    movie().GotoFrame(movie().GetVariable(var::PreviousFrame) == kFromSummary ? frame::Summary : frame::Review);
}

void frmReport::saveBookmark() {
    if (!bookmarkPressed()) {
        untitled(kUseBookmarkOption);
        return;
    }
    bookmarkQuestions(movie().GetVariable(var::QuestionItem));
    set(var::BookmarkPressed, "0");
}

// The remarks merge into the store: the question shown replaces its older
// copy and every other bookmark stays.
void frmReport::closeReportBookmark(const std::string& testXml) {
    if (bookmarkPressed() && untitled(kUpdateRemarks, msg::YesNo) == msg::Yes) bookmarkQuestions(testXml);
    if (peers_.window) peers_.window->hideReportScreen();
    if (!peers_.mode) return;
    Movie* mode = peers_.mode->modeMovie();
    if (mode) {
        mode->GotoFrame(exam_mode_contract::frame::Home);
        mode->GotoFrame(exam_mode_contract::frame::Bookmarks);
    }
    peers_.mode->showModeScreen();
    if (!fileExists(bookmarkStorePath(ctx_))) {
        titled(msgcode::NoBookmarks, msg::Information);
        return;
    }
    if (createBookmarkfile(ctx_) && mode) mode->GotoFrame(exam_mode_contract::frame::Bookmarks);
}

// ---- leaving ----

void frmReport::performanceHistory() {
    if (!fileExists(reportHistoryPath(ctx_))) {
        titled(msgcode::NoHistoryYet, msg::Information);
        return;
    }
    Movie* mode = peers_.mode ? peers_.mode->modeMovie() : nullptr;
    // showPerformanceHistory has said why it could not.
    if (!mode || !showPerformanceHistory(ctx_, *mode)) return;
    leaveToMode(exam_mode_contract::frame::History);
}

void frmReport::leaveToMode(int frame) {
    if (peers_.window) peers_.window->hideReportScreen();
    if (!peers_.mode) return;
    if (Movie* mode = peers_.mode->modeMovie(); mode && frame > 0) mode->GotoFrame(frame);
    peers_.mode->showModeScreen();
}

// The question screen plays the current test file, which the movie has
// consumed: the test shown is handed over again.
void frmReport::backToTest() {
    const std::string xml = movie().GetVariable(var::ReportXml);
    pugi::xml_document doc;
    if (!peers_.questions || !parseXml(doc, xml) || !doc.document_element()) return;
    saveQuestionXml(ctx_, xml);
    if (peers_.window) peers_.window->hideReportScreen();
    peers_.questions->showQuestionScreen(false);
}

// ---- saving ----

bool frmReport::record() {
    std::string xml = movie().GetVariable(var::MyReportXml);
    return static_cast<bool>(recordReport(ctx_, xml));
}

// A report that could not be stored keeps its flag: recordReport has said
// why, and the learner may try again.
void frmReport::saveReport() {
    if (!ctx_.recordableResult) {
        titled(kAlreadySaved);
        return;
    }
    if (!record()) return;
    titled(kSaved);
    ctx_.recordableResult = false;
}

// A failed store keeps the learner on the report, which exists nowhere else.
void frmReport::closeReport() {
    if (ctx_.recordableResult && showMessage(ctx_, msgcode::SaveRetakeReport, msg::YesNo, "") == msg::Yes) {
        if (!record()) return;
        titled(kSaved);
    }
    leaveToMode(0);
}

// ---- mail and links ----

void frmReport::emailReport() {
    pugi::xml_document doc;
    if (!parseXml(doc, movie().GetVariable(var::ReportXml))) titled(kReportNotRead, msg::Critical);
    const pugi::xml_node test = selectFirst(doc, "//Test");
    const auto questions = numberValue(test.attribute("total_questions").value());
    if (!test || !questions) {
        untitled(kMailerFailed);
        return;
    }
    const auto attr = [&test](const char* name) { return std::string(test.attribute(name).value()); };
    const std::string body = " Total Number of Questions = " + std::to_string(static_cast<long long>(roundHalfEven(*questions))) +
                             ";\r\n Total Marks = " + attr("total_marks") + ";\r\n Number of Correct Answers = " +
                             attr("no_of_correct_answer") + ";\r\n Marks Obtained = " + attr("marks") +
                             ";\r\n Remarks = " + attr("remarks") + ";";
    if (!ctx_.host.links) {
        untitled(kMailerFailed);
        return;
    }
    sendMail(ctx_, mailAddress_, kMailSubject, body);
}

// The report travels in the query, so it is percent-encoded: raw XML would
// cut the link at its first "&" or "#".
void frmReport::submitScore() {
    openLink(ctx_, syncLink_ + "?" + percentEncoded(movie().GetVariable(var::MyReportXml)));
}

void frmReport::feedback(const std::string& questionId) {
    sendMail(ctx_, mentorAddress_, productName_ + kStandardTitle + " (" + questionId + ")", "");
}

// ---- printing and the drag-and-drop report ----

void frmReport::printQuestions(const std::string& positions) {
    if (peers_.print) peers_.print->closePrintableReport();
    const std::string report = movie().GetVariable(var::ReportXml);
    if (positions == kNothingChosen) {
        titled(msgcode::NothingToPrint, msg::Information);
        return;
    }
    auto text = printReport(report, positions, productName_);
    if (!text) {
        titled(kReportNotRead, msg::Critical);
        return;
    }
    // A selection that names no question would print an empty page.
    if (!namesAnyQuestion(report, positions)) {
        titled(msgcode::NothingToPrint, msg::Information);
        return;
    }
    const auto file = currentTestFilePath(ctx_);
    writeXMLFile(ctx_, *text, file, "printReport");
    if (peers_.print)
        peers_.print->showPrintableReport();
    else
        deleteFile(ctx_.paths, file);
}

void frmReport::dragDropReport(const std::string& questionXml, const char* logLabel, const std::string& caption,
                               bool response) {
    pugi::xml_document doc;
    if (!parseXml(doc, questionXml) || !doc.document_element()) {
        std::cerr << "examsim: \"" << logLabel << "\" with a question that does not parse; nothing shown\n";
        return;
    }
    const auto file = currentTestFilePath(ctx_);
    std::string text = questionXml;
    writeXMLFile(ctx_, text, file, logLabel);
    if (peers_.dragDrop) {
        peers_.dragDrop->showDragDropReport(caption, response);
        return;
    }
    // No screen to read it: the question does not stay on disk.
    deleteFile(ctx_.paths, file);
}

}  // namespace examsim
