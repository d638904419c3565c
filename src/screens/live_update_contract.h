// What frmLiveUpdate and its movie "\liveupdate.wlb" agree on.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::live_update_contract {

inline constexpr const char* kScreen = "frmLiveUpdate";
inline constexpr const char* kMovieFile = "\\liveupdate.wlb";

namespace var {
inline constexpr const char* Percent = "txtPercent";
inline constexpr const char* CheckBoxStatus = "checkBoxStatus";  // "True" / "False"
inline constexpr const char* Resolution = movie_contract::var::Resolution;
}  // namespace var

// The clip moved to the progress value, 0 to 100.
inline constexpr const char* kProgressBar = "progressBar";

namespace command {
inline constexpr const char* ButtonClick = movie_contract::command::ButtonClick;
inline constexpr const char* CheckBox = "chkUpdate";  // "True" / "False"
}  // namespace command

namespace button {
inline constexpr const char* CheckNow = "cmdChkUpdates";
inline constexpr const char* CancelProgress = "progress.cancel";
inline constexpr const char* Close = "cmdNoUpdates";
inline constexpr const char* Ok = "cmdOk";
inline constexpr const char* BackToStart = "btnCancelProgress";
}  // namespace button

namespace frame {
inline constexpr int Start = 0;      // the choice and the check button
inline constexpr int Cancelled = 1;  // after "progress.cancel"
inline constexpr int Progress = 2;   // while the update runs
}  // namespace frame

inline constexpr std::array kVariables{var::Percent, var::CheckBoxStatus, var::Resolution};
inline constexpr std::array kCommands{command::ButtonClick, command::CheckBox};
inline constexpr std::array kButtons{button::CheckNow, button::CancelProgress, button::Close, button::Ok, button::BackToStart};
inline constexpr std::array kFrames{frame::Start, frame::Cancelled, frame::Progress};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "liveupdate.html", kVariables, kCommands, kButtons, kFrames};

}  // namespace examsim::live_update_contract
