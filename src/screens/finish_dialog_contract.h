// What frmQueOptbox, its window and the screens that open it agree on: the
// answers it writes into the caller's iReply and the names of its controls.
#pragma once

namespace examsim::finish_dialog_contract {

inline constexpr const char* kScreen = "frmQueOptbox";

namespace answer {
inline constexpr const char* Score = "score";    // record the result and close the test
inline constexpr const char* Show = "show";      // evaluate and show the report
inline constexpr const char* Save = "save";      // save the test to resume it
inline constexpr const char* Cancel = "cancel";  // close the test without saving
inline constexpr const char* Close = "close";    // back to the test
}  // namespace answer

namespace control {
inline constexpr const char* OptionPrefix = "opt";  // opt0 to opt3
inline constexpr const char* Yes = "cmdYes";
inline constexpr const char* No = "cmdNo";
}  // namespace control

}  // namespace examsim::finish_dialog_contract
