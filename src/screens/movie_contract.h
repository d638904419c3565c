// The names every movie screen shares with its movie: the command convention,
// the buttons that mean the same on every screen that has them and the
// variables many screens set. Each screen's contract names the ones it uses.
#pragma once
#include <span>

namespace examsim {

// One screen's side of the agreement with its movie. The contract check holds
// each movie source to it, so a renamed variable fails a test, not a screen.
struct ScreenContract {
    const char* screen;                      // the window's name (frmAbout)
    const char* movieFile;                   // in the application folder; nullptr: plain controls
    const char* movieSource;                 // its source in the product's movies folder
    std::span<const char* const> variables;  // set by the host
    std::span<const char* const> commands;   // sent by the movie
    std::span<const char* const> buttons;    // "ButtonClick" arguments
    std::span<const int> frames;             // main-timeline frames the host jumps to
};

namespace movie_contract {

namespace command {
inline constexpr const char* ButtonClick = "ButtonClick";  // argument: the button's name
inline constexpr const char* Kill = "kill";                // argument: a file of "\Database\" read
}  // namespace command

namespace button {
inline constexpr const char* Help = "btnHelp";
inline constexpr const char* About = "btnAbout";
inline constexpr const char* Utp = "btnUtp";
inline constexpr const char* UtpUpper = "btnUTP";  // some movies spell it so
}  // namespace button

namespace var {
inline constexpr const char* TestName = "txtTestName";
inline constexpr const char* CopyRight = "txtCopyRight";
inline constexpr const char* Resolution = "txtResolution";
}  // namespace var

}  // namespace movie_contract
}  // namespace examsim
