#pragma once

// What the question movie ("\vost.wlb") and its screen, frmQuestion, agree on.
namespace examsim::question {

inline constexpr const char* kMovieFile = "\\vost.wlb";

// Host to movie, in the order they are sent.
inline constexpr const char* kTxtResolution = "txtResolution";
inline constexpr const char* kContentSize = "contentSize";
inline constexpr const char* kTxtTestName = "txtTestName";
inline constexpr const char* kTxtCopyRight = "txtCopyRight";
inline constexpr const char* kReso = "reso";
inline constexpr const char* kTestTime = "testTime";
inline constexpr const char* kTxtExamMode = "txtExamMode";
inline constexpr const char* kFlagValidate = "flagValidate";
// The response record of a drag-and-drop question: the XML of its
// user_attempt_report element; "" clears it.
inline constexpr const char* kTxtUAR = "txtUAR";

// Movie to host.
inline constexpr const char* kQbXml = "qb_xml";
inline constexpr const char* kQuestionIndex = "questionIndex";

// Commands.
inline constexpr const char* kKill = "kill";
inline constexpr const char* kShowExhibit = "showExhibit";
inline constexpr const char* kButtonClick = "ButtonClick";
inline constexpr const char* kSendFeedBack = "btnSendFeedBack";
inline constexpr const char* kDragDropQuestion = "DragDropQuestion";
inline constexpr const char* kCloseDragDropWindow = "CloseDragDropWindow";

// Buttons of "ButtonClick".
inline constexpr const char* kBtnHelp = "btnHelp";
inline constexpr const char* kBtnAbout = "btnAbout";
inline constexpr const char* kTimeOverTest = "timeOverTest";
inline constexpr const char* kCmdFinish = "cmdFinish";
inline constexpr const char* kBtnSaveAndResume = "btnSaveAndResume";

// Frames of the movie's main timeline.
inline constexpr int kFrameLoading = 0;
inline constexpr int kFrameQuestion = 1;
inline constexpr int kFrameReview = 2;
inline constexpr int kFrameTimeOver = 3;

inline constexpr const char* kExhibitCaption = "Image Exhibit";

}  // namespace examsim::question
