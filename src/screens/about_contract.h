// What frmAbout and the about movie agree on.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::about_contract {

inline constexpr const char* kScreen = "frmAbout";
inline constexpr const char* kMovieFile = "\\about.wlb";

namespace var {
inline constexpr const char* TestName = movie_contract::var::TestName;  // the full version name here
inline constexpr const char* CopyRight = movie_contract::var::CopyRight;
inline constexpr const char* EmailSupport = "txtEmailSupport";
inline constexpr const char* CompanyName = "txtCompanyName";
inline constexpr const char* SimulatorVersion = "txtSimulatorVersion";
inline constexpr const char* Resolution = movie_contract::var::Resolution;
}  // namespace var

namespace button {
inline constexpr const char* Utp = movie_contract::button::Utp;
inline constexpr const char* EmailSupport = "emailsupport";
inline constexpr const char* Close = "btnClose";  // the window's own close button
}  // namespace button

inline constexpr std::array kVariables{var::TestName,         var::CopyRight, var::EmailSupport, var::CompanyName,
                                       var::SimulatorVersion, var::Resolution};
inline constexpr std::array kCommands{movie_contract::command::ButtonClick};
inline constexpr std::array kButtons{button::Utp, button::EmailSupport, button::Close};
inline constexpr std::array<int, 0> kFrames{};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "about.html", kVariables, kCommands, kButtons, kFrames};

}  // namespace examsim::about_contract
