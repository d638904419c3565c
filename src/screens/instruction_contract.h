// What frmInstruction's window, its logic and the tests agree on: the names
// of its controls.
#pragma once

namespace examsim::instruction_contract {

inline constexpr const char* kScreen = "frmInstruction";

namespace control {
inline constexpr const char* Web = "Web";  // the instructions page
inline constexpr const char* Frame = "frameInstruction";
inline constexpr const char* DontShow = "chkDontshow";
inline constexpr const char* Ok = "cmdOk";
inline constexpr const char* Cancel = "cmdCancel";
}  // namespace control

}  // namespace examsim::instruction_contract
