// What frmMsg's window and the tests agree on: the names of its controls.
#pragma once

namespace examsim::message_dialog_contract {

inline constexpr const char* kScreen = "frmMsg";

namespace control {
inline constexpr const char* Yes = "cmdYes";
inline constexpr const char* No = "cmdNo";
}  // namespace control

}  // namespace examsim::message_dialog_contract
