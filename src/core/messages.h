#pragma once
#include <string>

namespace examsim {

struct AppContext;

inline constexpr const char* kStandardTitle = " Exam Simulator";

// Looks the code up in the catalogue (an unknown code reads, and is then
// remembered, as the empty text), shows it in a message box with the given
// style and title, and returns the button pressed.
int showMessage(AppContext& ctx, const std::string& code, int style, const std::string& title = kStandardTitle);

// The catalogue text of a code, with the same remembering of unknown codes.
const std::string& messageText(AppContext& ctx, const std::string& code);

}  // namespace examsim
