// What frmReport and its movie "\report.wlb" agree on: the variables the host
// sets and reads, the commands and buttons the movie sends, and its frames.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::report_contract {

inline constexpr const char* kScreen = "frmReport";
inline constexpr const char* kMovieFile = "\\report.wlb";

namespace var {
// Set at load.
inline constexpr const char* Resolution = movie_contract::var::Resolution;
// Set on each activation, in this order.
inline constexpr const char* OnlineLink = "onlineLink";
inline constexpr const char* PassingPercentage = "strPassingPercentage";
inline constexpr const char* SaveReport = "saveReport";
inline constexpr const char* TestName = movie_contract::var::TestName;
inline constexpr const char* CopyRight = movie_contract::var::CopyRight;
inline constexpr const char* ExamMode = "txtExamMode";
inline constexpr const char* Reso = "reso";
inline constexpr const char* ReportBookmarked = "isReportBookMarked";
// Read by the host ("bookmarkPressed" is also reset by it).
inline constexpr const char* BookmarkPressed = "bookmarkPressed";
inline constexpr const char* QuestionItem = "questionItem";
inline constexpr const char* PreviousFrame = "previousFrame";
inline constexpr const char* QuestionForVB = "questionForVB";
inline constexpr const char* ReportXml = "reportXml";
inline constexpr const char* MyReportXml = "myreportXml";
}  // namespace var

namespace command {
inline constexpr const char* ButtonClick = movie_contract::command::ButtonClick;
inline constexpr const char* Kill = movie_contract::command::Kill;
inline constexpr const char* ShowExhibit = "showExhibit";
inline constexpr const char* CloseExplanation = "btnCloseExplanation";
inline constexpr const char* ExamMode = "ExamMode";
inline constexpr const char* SendFeedBack = "btnSendFeedBack";
inline constexpr const char* PrintQuestion = "PrintQuestion";
inline constexpr const char* CloseReportBookmark = "cmdCloseReportBookMark";
inline constexpr const char* DragDropResponse = "ReportOfDragDropQuestion";
inline constexpr const char* DragDropRightAnswer = "ReportOfDragDropQuestionRightAnswer";
inline constexpr const char* Error = "error";
}  // namespace command

namespace button {
inline constexpr const char* SaveBookmark = "saveBookmark";
inline constexpr const char* LiveUpdate = "btnLiveUpdate";
inline constexpr const char* OnlineResources = "btnOnlineResources";
inline constexpr const char* Help = movie_contract::button::Help;
inline constexpr const char* Utp = movie_contract::button::UtpUpper;  // ignored here
inline constexpr const char* About = movie_contract::button::About;
inline constexpr const char* PerformanceHistory = "btnPerformanceHistory";
inline constexpr const char* DiscussIt = "btnDiscussIt";
inline constexpr const char* CloseExplanation = "btnCloseExplanation";
inline constexpr const char* BackBookmark = "btnBackBookmark";
inline constexpr const char* SaveExam = "btnSaveExam";
inline constexpr const char* EmailReport = "btnEmailReport";
inline constexpr const char* CloseReport = "btnCloseReport";
inline constexpr const char* SaveReport = "btnSaveReport";
inline constexpr const char* SubmitScore = "btnSubmitScore";
}  // namespace button

namespace frame {
inline constexpr int Summary = 1;
inline constexpr int Review = 2;
}  // namespace frame

// "previousFrame" when the bookmark selection was opened from the summary.
inline constexpr const char* kFromSummary = "examReport";
// "PrintQuestion" with nothing chosen.
inline constexpr const char* kNothingChosen = "-1";

inline constexpr std::array kVariables{var::OnlineLink,    var::PassingPercentage, var::SaveReport,     var::TestName,
                                       var::CopyRight,     var::ExamMode,          var::Reso,           var::ReportBookmarked,
                                       var::BookmarkPressed, var::QuestionItem,    var::PreviousFrame,  var::QuestionForVB,
                                       var::ReportXml,     var::MyReportXml};
inline constexpr std::array kCommands{command::ButtonClick,  command::Kill,           command::ShowExhibit,
                                      command::CloseExplanation, command::SendFeedBack, command::PrintQuestion,
                                      command::CloseReportBookmark, command::DragDropResponse,
                                      command::DragDropRightAnswer};
// "btnCloseExplanation" as a button, "btnBackBookmark", "btnLiveUpdate" and the
// "ExamMode" and "error" commands the host answers, though this movie does not send them.
inline constexpr std::array kButtons{button::SaveBookmark, button::OnlineResources, button::Help,
                                     button::About,        button::PerformanceHistory, button::DiscussIt,
                                     button::SaveExam,     button::EmailReport,     button::CloseReport,
                                     button::SaveReport,   button::SubmitScore};
inline constexpr std::array kFrames{frame::Summary, frame::Review};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "report.html", kVariables, kCommands, kButtons, kFrames};

}  // namespace examsim::report_contract
