// What frmSplash and the splash movie agree on.
#pragma once
#include "screens/movie_contract.h"

#include <array>

namespace examsim::splash_contract {

inline constexpr const char* kScreen = "frmSplash";
inline constexpr const char* kMovieFile = "\\Splash.wlb";

namespace var {
inline constexpr const char* VersionName = "txtVersionName";
inline constexpr const char* CopyRight = movie_contract::var::CopyRight;
inline constexpr const char* TestName = movie_contract::var::TestName;
inline constexpr const char* Testimonial = "txtTestamonial";
inline constexpr const char* NoTestimonial = "textTestamonial";  // sent, empty, when there is none
inline constexpr const char* VersionCode = "txtVersionCode";
inline constexpr const char* Resolution = movie_contract::var::Resolution;
inline constexpr const char* Status = "txtStatus";
}  // namespace var

namespace frame {
inline constexpr int Title = 0;    // when the texts are set
inline constexpr int Loading = 8;  // once the window is shown: the loader runs
}  // namespace frame

inline constexpr std::array kVariables{var::VersionName, var::CopyRight, var::TestName,  var::Testimonial,
                                       var::NoTestimonial, var::VersionCode, var::Resolution, var::Status};
inline constexpr std::array<const char*, 0> kCommands{};
inline constexpr std::array<const char*, 0> kButtons{};
inline constexpr std::array kFrames{frame::Title, frame::Loading};

inline constexpr ScreenContract kContract{kScreen, kMovieFile, "Splash.html", kVariables, kCommands, kButtons, kFrames};

}  // namespace examsim::splash_contract
