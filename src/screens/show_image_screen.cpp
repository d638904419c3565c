#include "screens/show_image_screen.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/messages.h"
#include "core/product_settings.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "screens/exam_mode_contract.h"
#include "screens/live_update.h"
#include "screens/page_viewers.h"
#include "screens/report_peers.h"
#include "screens/question_screen.h"
#include "screens/show_image_screen_contract.h"
#include "testrun/bookmarks.h"

#include <sstream>

namespace examsim {

using namespace show_image_contract;

namespace {

constexpr const char* kSaved = "Your Report has been Saved!";
constexpr const char* kReportUnreadable = "Error while loading report xml";
constexpr const char* kPrintHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<?xml-stylesheet TYPE=\"text/xsl\" href=\"print.xsl\"?>\r\n";
constexpr int kModeHistoryFrame = exam_mode_contract::frame::History;
constexpr int kModeHomeFrame = exam_mode_contract::frame::Home;
constexpr int kModeBookmarkFrame = exam_mode_contract::frame::Bookmarks;

}  // namespace

frmShowImage::frmShowImage(AppContext& ctx, ShowImagePeers peers) : MovieScreen(ctx), peers_(peers) {
    onCommand(command::CloseExplanation, [this](const std::string& a) {
        if (ctx_.bookmarkKind) bookmark(a);
    });
    onButton(button::LiveUpdate, [this] {
        if (peers_.update) peers_.update->showLiveUpdate();
    });
    onButton(button::OnlineResources, [this] {
        const ProductPage r = ProductSettings(ctx_).onlineResources();
        openLink(ctx_, ctx_.paths.folder().string() + "\\" + r.folder + "\\" + r.file);
    });
    addHelpButton([this] { return ctx_.paths.resolve("\\Help\\Help.chm"); });
    onButton(button::Utp, [] {});
    addAboutButton();
    onButton(button::PerformanceHistory, [this] { performanceHistory(); });
    onCommand(command::ExamMode, [this](const std::string& a) {
        if (a != button::PerformanceHistory) return;
        if (peers_.mode) peers_.mode->disableHistoryMenuEntry();
        performanceHistory();
    });
    onButton(button::DiscussIt, [this] { openLink(ctx_, ProductSettings(ctx_).forumLink()); });
    onButton(button::CloseExplanation, [this] {
        if (ctx_.bookmarkKind) bookmark(movie().GetVariable(var::QuestionForVB));
    });
    onButton(button::BackBookmark, [this] { leaveToMode(kModeHomeFrame); });
    onButton(button::SaveExam, [this] {
        if (peers_.windows) {
            peers_.windows->hideShowImage();
            peers_.windows->hideReportScreen();
        }
        if (peers_.question) peers_.question->showQuestionScreen(false);
    });
    onButton(button::EmailReport, [this] { emailReport(); });
    onButton(button::CloseReport, [this] { closeReport(); });
    onButton(button::SaveReport, [this] { saveReport(); });
    onButton(button::SubmitScore, [this] {
        openLink(ctx_, ProductSettings(ctx_).onlineSynchronizationLink() + "?" + movie().GetVariable(var::ReportXml));
    });
    onCommand(command::SendFeedBack, [this](const std::string& a) {
        sendMail(ctx_, ProductSettings(ctx_).mentorAddress(), "QuestionID= " + a, "");
    });
    onCommand(command::PrintQuestion, [this](const std::string& a) { printQuestion(a); });
    onCommand(command::CloseReportBookMark, [this](const std::string& a) { closeReportBookmarks(a); });
    onCommand(command::Finish, [this](const std::string&) {
        if (peers_.windows) peers_.windows->hideShowImage();
    });
    onCommand(command::Error, [this](const std::string& code) {
        say(messageText(ctx_, code), msg::OkOnly, productTitle());
    });
}

std::string frmShowImage::productTitle() const { return ProductSettings(ctx_).productName() + " Exam Simulator"; }

void frmShowImage::say(const std::string& text, BoxStyle style, const std::string& title) {
    if (ctx_.host.messages) ctx_.host.messages->show(text, style, title);
}

void frmShowImage::load() { set(var::Resolution, resolutionValue(ctx_)); }

void frmShowImage::activate() {
    if (!loadScreenMovie(ctx_, movie(), kMovieFile)) return;
    set(var::Resolution, resolutionValue(ctx_));
    set(var::PassingPercentage, ProductSettings(ctx_).rootPassPercentage());
    movie().Rewind();
    set(var::SaveReport, ctx_.recordableResult ? "true" : "false");
    set(var::TestName, blankIfEmpty(ProductSettings(ctx_).productName()));
    set(var::CopyRight, kCopyrightLine);
    set(var::ExamMode, ctx_.currentModeLabel);
    set(var::WhatToShow, showUserResponse ? "1" : "2");
    showUserResponse = false;
}

Movie* frmShowImage::modeMovie() { return peers_.mode ? peers_.mode->modeMovie() : nullptr; }

void frmShowImage::bookmark(const std::string& xml) {
    if (Movie* mode = modeMovie()) bookmarkQuestions(ctx_, xml, *mode);
}

// The modal screen goes as well: the mode screen would sit under it otherwise.
void frmShowImage::performanceHistory() {
    if (!std::filesystem::exists(ctx_.paths.resolve("\\Database\\MainReport.wlb"))) {
        showMessage(ctx_, msgcode::NoHistoryYet, msg::OkOnly | msg::Information, productTitle());
        return;
    }
    if (!modeMovie() || !showPerformanceHistory(ctx_, *modeMovie())) {
        showMessage(ctx_, msgcode::HistoryUnreadable, msg::OkOnly | msg::Critical, productTitle());
        return;
    }
    leaveToMode(kModeHistoryFrame);
}

void frmShowImage::leaveToMode(int frame) {
    if (peers_.windows) {
        peers_.windows->hideShowImage();
        peers_.windows->hideReportScreen();
    }
    if (Movie* mode = modeMovie()) mode->GotoFrame(frame);
    if (peers_.mode) peers_.mode->showModeScreen();
}

void frmShowImage::emailReport() {
    pugi::xml_document doc;
    if (!parseXml(doc, movie().GetVariable(var::ReportXml))) say(kReportUnreadable, msg::OkOnly | msg::Critical, "");
    const pugi::xml_node test = selectFirst(doc, "//Test");
    const auto a = [&test](const char* name) { return std::string(test.attribute(name).value()); };
    const std::string body = "Number Of Correct Answer = " + a("no_of_correct_answer") + "\r\n" +
                             "  Total Questions = " + std::to_string(test.attribute("total_questions").as_int()) + "\r\n" +
                             "  Total Marks = " + a("total_marks") + "\r\n" + "  Marks = " + a("marks") + "\r\n" +
                             "  Remarks = " + a("remarks");
    sendMail(ctx_, ProductSettings(ctx_).aboutSupportAddress(), "Report", body);
}

void frmShowImage::closeReport() {
    if (ctx_.recordableResult && showMessage(ctx_, msgcode::SaveRetakeReport, msg::YesNo, "") == msg::Yes) {
        std::string xml = movie().GetVariable(var::ReportXml);
        const std::string played = xml;
        (void)recordReport(ctx_, xml);  // a failure has been told by the store
        if (ctx_.bookmarkKind) bookmark(played);
    }
    if (peers_.windows) peers_.windows->hideShowImage();
    if (peers_.mode) peers_.mode->showModeScreen();
}

void frmShowImage::saveReport() {
    std::string xml = movie().GetVariable(var::ReportXml);
    const std::string played = xml;
    // A report that was not stored is never said to be saved.
    if (recordReport(ctx_, xml)) say(kSaved, msg::OkOnly, "");
    if (ctx_.bookmarkKind) bookmark(played);
}

std::string frmShowImage::printReport(const std::string& positions) {
    pugi::xml_document report;
    if (!parseXml(report, movie().GetVariable(var::ReportXml))) say(kReportUnreadable, msg::OkOnly | msg::Critical, "");
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Test");
    root.append_attribute("name").set_value("quiz");
    root.append_child("Property");
    const pugi::xml_node test = selectFirst(report, "//Test");
    std::stringstream list(positions);
    for (std::string piece; std::getline(list, piece, ',');) {
        char* end = nullptr;
        const long wanted = std::strtol(piece.c_str(), &end, 10);
        if (end == piece.c_str()) continue;
        long index = 0;
        for (pugi::xml_node child = test.first_child(); child; child = child.next_sibling(), ++index)
            if (index == wanted && std::string_view(child.name()) == "item") root.append_copy(child);
    }
    return kPrintHead + xmlText(root);
}

std::string frmShowImage::simulatorText() { return kPrintHead + movie().GetVariable(var::ReportXml); }

void frmShowImage::printQuestion(const std::string& positions) {
    std::string text = positions == "-1" ? simulatorText() : printReport(positions);
    const auto file = currentTestFilePath(ctx_);
    writeXMLFile(ctx_, text, file, "");
    if (peers_.viewers) peers_.viewers->showHtmlPage(file, kPrintCaption);
}

void frmShowImage::closeReportBookmarks(const std::string& xml) {
    deleteFile(ctx_.paths, bookmarkStorePath(ctx_));
    saveBookmarks(ctx_, xml);
    if (peers_.windows) {
        peers_.windows->hideShowImage();
        peers_.windows->hideReportScreen();
    }
    if (Movie* mode = modeMovie()) {
        mode->GotoFrame(kModeHomeFrame);
        mode->GotoFrame(kModeBookmarkFrame);
    }
    if (peers_.mode) peers_.mode->showModeScreen();
    if (!std::filesystem::exists(bookmarkStorePath(ctx_))) {
        showMessage(ctx_, msgcode::NoBookmarks, msg::OkOnly | msg::Information, productTitle());
        return;
    }
    if (createBookmarkfile(ctx_) && modeMovie()) modeMovie()->GotoFrame(kModeBookmarkFrame);
}

}  // namespace examsim
