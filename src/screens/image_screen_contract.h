// What frmImage and the drag-and-drop movie ("\DragnDrop.wlb") agree on.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::image_contract {

inline constexpr const char* kScreen = "frmImage";
inline constexpr const char* kMovieFile = "\\DragnDrop.wlb";

namespace var {
inline constexpr const char* ExamMode = "txtExamMode";
inline constexpr const char* ContentSize = "contentSize";
inline constexpr const char* TestName = movie_contract::var::TestName;
inline constexpr const char* CopyRight = movie_contract::var::CopyRight;
// The response record handed back: the XML of a user_attempt_report; "" clears it.
inline constexpr const char* UAR = "txtUAR";
// Read only by the end-of-test buttons, which a product's movie may offer.
inline constexpr const char* QbXml = "qb_xml";
inline constexpr const char* QuestionIndex = "questionIndex";
}  // namespace var

namespace command {
inline constexpr const char* ButtonClick = movie_contract::command::ButtonClick;
inline constexpr const char* Kill = movie_contract::command::Kill;
inline constexpr const char* Dimensions = "dimensions";  // "width:height" in pixels
inline constexpr const char* SendFeedBack = "btnSendFeedBack";
inline constexpr const char* Finish = "finish";  // argument: the response record
}  // namespace command

namespace button {
inline constexpr const char* Help = movie_contract::button::Help;
inline constexpr const char* About = movie_contract::button::About;
inline constexpr const char* TimeOverTest = "timeOverTest";
inline constexpr const char* CmdFinish = "cmdFinish";
inline constexpr const char* SaveAndResume = "btnSaveAndResume";
}  // namespace button

// The sample movie plays one question inside a test: it offers no finish or
// save of its own and keeps nothing in "txtUAR", "qb_xml" or "questionIndex";
// those stay the host's side only.
inline constexpr std::array kVariables{var::ExamMode, var::ContentSize, var::TestName, var::CopyRight};
inline constexpr std::array kCommands{command::ButtonClick, command::Kill, command::Dimensions, command::SendFeedBack,
                                      command::Finish};
inline constexpr std::array kButtons{button::Help, button::About};
inline constexpr std::array<int, 0> kFrames{};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "DragnDrop.html", kVariables, kCommands, kButtons, kFrames};

}  // namespace examsim::image_contract
