// What frmExamMode and its movie "\TestMode.wlb" agree on: the variables the
// host sets and reads, the commands and buttons the movie sends, and the
// movie's frames.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::exam_mode_contract {

inline constexpr const char* kScreen = "frmExamMode";
inline constexpr const char* kMovieFile = "\\TestMode.wlb";

namespace var {
// Set at load, in this order.
inline constexpr const char* TrainingHead = "training_h";
inline constexpr const char* TestName = "txtTestName";
inline constexpr const char* Testimonial = "txtTestamonial";
inline constexpr const char* CopyRight = "txtCopyRight";
inline constexpr const char* LearningMode = "txtLearningMode";
inline constexpr const char* CertificateMode = "txtCertificateMode";
inline constexpr const char* InteractiveMode = "txtInteractiveMode";
inline constexpr const char* Objectives = "strObjectives";
inline constexpr const char* CompareFeatures = "strCompareFeatures";
inline constexpr const char* TodayTip = "txtTodayTip";
inline constexpr const char* PassingPercentage = "strPassingPercentage";
inline constexpr const char* MaxPracticeTest = "maxPracticeTest";
inline constexpr const char* Resolution = "txtResolution";
// What the practice pool holds per objective and level, so the movie never
// offers more: "<pool total=N><objective name=T Beginner=b Intermediate=i Expert=e/>...</pool>".
inline constexpr const char* PoolCounts = "strPoolCounts";
// The tips one by one ("<tips><tip>...</tip>...</tips>"), so the movie can
// show one a day; "txtTodayTip" holds them all run together.
inline constexpr const char* Tips = "strTips";
// The product's tool tips ("//tool_tips_texts" serialised): the texts beside
// and over the movie's buttons.
inline constexpr const char* ToolTips = "strToolTips";
inline constexpr const char* UpdateBlink = "updateBlink";
// Set on activation; read back after "btnFont".
inline constexpr const char* ContentSize = "contentSize";
// Quiz page.
inline constexpr const char* NoOfQuestions = "txtNoOfQuestions";
inline constexpr const char* TimePerQuestion = "txtTimePerQuestion";
// Learning page.
inline constexpr const char* RandomQuestions = "txtRSQuestions";
inline constexpr const char* TotalLearningTime = "txtTotalLCTime";
// Bookmark page: the bookmarks kept, and a fresh list after bookmarking.
inline constexpr const char* KeptBookmarks = "tempNode";
inline constexpr const char* NewBookmarks = "new_xml";
inline constexpr const char* RepaintBookmarks = "flgpaint";
// History page.
inline constexpr const char* History = "perf_xml";
inline constexpr const char* ObjectiveScores = "obj_xml";
}  // namespace var

namespace command {
inline constexpr const char* ButtonClick = "ButtonClick";
inline constexpr const char* ExamMode = "ExamMode";
inline constexpr const char* Kill = "kill";
inline constexpr const char* ObjectiveGrid = "pgridPopUp";
inline constexpr const char* ExamTimer = "examTimer";
inline constexpr const char* Training = "btntraining";
inline constexpr const char* Adaptive = "adaptive";
inline constexpr const char* PracticeExam = "PracticeExam";
inline constexpr const char* Error = "error";
inline constexpr const char* StartCustomizedExam = "StartCustomizedExam";
inline constexpr const char* StartAdaptiveExam = "StartAdaptiveExam";
inline constexpr const char* QuizObjectiveChange = "mainQuizObjectiveChange";
inline constexpr const char* StartQuiz = "btnStartQuiz";
inline constexpr const char* SaveRemainingBookmarks = "saveRemaningBookMark";
inline constexpr const char* ReportByPerformance = "reportByPerformance";
inline constexpr const char* ShowBookmarkExplanation = "showBookMarkExplanation";
}  // namespace command

// Arguments of the learning-mode starts other than a selection document.
namespace kind {
inline constexpr const char* Bookmark = "bookmark";
inline constexpr const char* Random = "random";
inline constexpr const char* Incorrect = "incorrect";
inline constexpr const char* EmptySelection = "<custom />";
// What the quiz page sends while no topic is chosen.
inline constexpr const char* Undefined = "undefined";
}  // namespace kind

// "ExamMode" buttons.
namespace exam_button {
inline constexpr const char* StartDiagnostic = "btnStartDiagnosticExam";
inline constexpr const char* StartFinal = "btnStartFinalExam";
inline constexpr const char* MySavedExam = "btnMySaveExam";
inline constexpr const char* ContinueLearning = "btnContinueLearning";
inline constexpr const char* StartPool = "btnStartExam";
inline constexpr const char* SavedExam = "btnSaveExam";
inline constexpr const char* PerformanceHistory = "btnPerformanceHistory";
}  // namespace exam_button

// "ButtonClick" buttons.
namespace button {
inline constexpr const char* Certification = "btnCert";
inline constexpr const char* Learning = "btnLearn";
inline constexpr const char* Interactive = "btnInteractive";
inline constexpr const char* Cancel = "btnCancel";
inline constexpr const char* Back = "btnBack";
inline constexpr const char* Font = "btnFont";
inline constexpr const char* QuickRevision = "btnQrn";
inline constexpr const char* TipsNTricks = "btnTNT";
inline constexpr const char* ReadMore = "btnReadMore";
inline constexpr const char* ExamInformation = "btnExamInformation";
inline constexpr const char* SimulatorFeature = "btnSimulatorFeature";
inline constexpr const char* Pdu = "btnPDU";
inline constexpr const char* Newsletter = "btnNewsletter";
inline constexpr const char* TestimonialMore = "btnTestimonialMore";
inline constexpr const char* MyMentor = "btnMyMentor";
inline constexpr const char* Utp = "btnUTP";
inline constexpr const char* OnlineResources = "btnOnlineResources";
inline constexpr const char* Help = "btnHelp";
inline constexpr const char* About = "btnAbout";
inline constexpr const char* LiveUpdate = "btnLiveUpdate";
inline constexpr const char* BookmarkedQuestions = "btnBookmarkedQuestions";
inline constexpr const char* PerformHistory = "btnPerformHistory";
inline constexpr const char* BackToHistory = "cmdBackPerformanceHistory";
inline constexpr const char* SavedExam = "btnSaveExam";
inline constexpr const char* BackFromBookmarks = "btnBackBookmark";
}  // namespace button

namespace frame {
inline constexpr int Home = 2;
inline constexpr int Certification = 3;
inline constexpr int Learning = 4;
inline constexpr int Quiz = 5;
inline constexpr int ContinueLearning = 8;
inline constexpr int History = 9;
inline constexpr int Bookmarks = 11;
}  // namespace frame

// The clip of practice test n ("Practice n") shows "taken" at this frame.
inline constexpr int kTakenClipFrame = 2;

inline constexpr std::array kVariables{
    var::TrainingHead,    var::TestName,         var::Testimonial,     var::CopyRight,       var::LearningMode,
    var::CertificateMode, var::InteractiveMode,  var::Objectives,      var::CompareFeatures, var::TodayTip,
    var::PassingPercentage, var::MaxPracticeTest, var::Resolution,     var::PoolCounts,      var::Tips,
    var::ToolTips,        var::UpdateBlink,      var::ContentSize,     var::NoOfQuestions,   var::TimePerQuestion,
    var::RandomQuestions, var::TotalLearningTime, var::KeptBookmarks,  var::NewBookmarks,    var::RepaintBookmarks,
    var::History,         var::ObjectiveScores};
inline constexpr std::array kCommands{
    command::ButtonClick,         command::ExamMode,          command::Kill,
    command::ObjectiveGrid,       command::ExamTimer,         command::Training,
    command::Adaptive,            command::PracticeExam,      command::Error,
    command::StartCustomizedExam, command::StartAdaptiveExam, command::QuizObjectiveChange,
    command::StartQuiz,           command::SaveRemainingBookmarks, command::ReportByPerformance,
    command::ShowBookmarkExplanation};
// "btnBackBookmark" the host answers, though this movie does not send it.
inline constexpr std::array kButtons{
    button::Certification,   button::Learning,         button::Interactive,     button::Cancel,
    button::Back,            button::Font,             button::QuickRevision,   button::TipsNTricks,
    button::ReadMore,        button::ExamInformation,  button::SimulatorFeature, button::Pdu,
    button::Newsletter,      button::TestimonialMore,  button::MyMentor,        button::Utp,
    button::OnlineResources, button::Help,             button::About,           button::LiveUpdate,
    button::BookmarkedQuestions, button::PerformHistory, button::BackToHistory, button::SavedExam};
inline constexpr std::array kFrames{frame::Home,             frame::Certification, frame::Learning, frame::Quiz,
                                    frame::ContinueLearning, frame::History,       frame::Bookmarks};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "TestMode.html", kVariables, kCommands, kButtons, kFrames};

}  // namespace examsim::exam_mode_contract
