// What frmShowImage and the drag-and-drop report movie ("\DragnDropReport.wlb") agree on.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::show_image_contract {

inline constexpr const char* kScreen = "frmShowImage";
inline constexpr const char* kMovieFile = "\\DragnDropReport.wlb";

namespace var {
inline constexpr const char* Resolution = movie_contract::var::Resolution;
inline constexpr const char* PassingPercentage = "strPassingPercentage";
inline constexpr const char* SaveReport = "saveReport";
inline constexpr const char* TestName = movie_contract::var::TestName;
inline constexpr const char* CopyRight = movie_contract::var::CopyRight;
inline constexpr const char* ExamMode = "txtExamMode";
inline constexpr const char* WhatToShow = "WhatToShow";  // "1" the learner's answer, "2" the right one
// Movie to host.
inline constexpr const char* ReportXml = "reportXml";
inline constexpr const char* QuestionForVB = "questionForVB";
}  // namespace var

namespace command {
inline constexpr const char* ButtonClick = movie_contract::command::ButtonClick;
inline constexpr const char* Kill = movie_contract::command::Kill;
inline constexpr const char* CloseExplanation = "btnCloseExplanation";
inline constexpr const char* ExamMode = "ExamMode";  // argument: "btnPerformanceHistory"
inline constexpr const char* SendFeedBack = "btnSendFeedBack";
inline constexpr const char* PrintQuestion = "PrintQuestion";  // positions "1,3", or "-1" for the whole report
inline constexpr const char* CloseReportBookMark = "cmdCloseReportBookMark";
inline constexpr const char* Finish = "finish";
inline constexpr const char* Error = "error";  // argument: a message code
}  // namespace command

namespace button {
inline constexpr const char* LiveUpdate = "btnLiveUpdate";
inline constexpr const char* OnlineResources = "btnOnlineResources";
inline constexpr const char* Help = movie_contract::button::Help;
inline constexpr const char* Utp = movie_contract::button::UtpUpper;
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

inline constexpr const char* kUserResponse = "User Response";
inline constexpr const char* kRightAnswer = "Right Answer";
inline constexpr const char* kPrintCaption = "Print Report";

// The sample movie shows one question with its print, feedback, help, about
// and close controls; the rest of the table, and the pass percentage and
// save flag it is sent, are the host's for other movies.
inline constexpr std::array kVariables{var::TestName, var::CopyRight, var::ExamMode, var::WhatToShow, var::ReportXml};
inline constexpr std::array kCommands{command::ButtonClick, command::Kill, command::SendFeedBack, command::PrintQuestion,
                                      command::Finish};
inline constexpr std::array kButtons{button::Help, button::About};
inline constexpr std::array<int, 0> kFrames{};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "DragnDropReport.html", kVariables, kCommands, kButtons,
                                          kFrames};

}  // namespace examsim::show_image_contract
