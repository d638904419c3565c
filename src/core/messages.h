#pragma once
#include "core/host.h"
#include "core/message_codes.h"

#include <string>

namespace examsim {

struct AppContext;

inline constexpr const char* kStandardTitle = " Exam Simulator";

// Looks the code up in the catalogue (an unknown code reads, and is then
// remembered, as the empty text), shows it in a message box with the given
// style and title, and returns the button pressed.
BoxAnswer showMessage(AppContext& ctx, const MessageCode& code, BoxStyle style,
                      const std::string& title = kStandardTitle);

// A text of the program's own, not of the catalogue; Ok without a message box.
BoxAnswer showText(AppContext& ctx, const std::string& text, BoxStyle style, const std::string& title = kStandardTitle);

// The catalogue text of a code, with the same remembering of unknown codes.
const std::string& messageText(AppContext& ctx, const std::string& code);
inline const std::string& messageText(AppContext& ctx, const MessageCode& code) { return messageText(ctx, code.code); }

// Deciphers and parses "Database/System.wlb" into the system document. A text
// that does not parse shows "qe6" (still empty then) and leaves the document
// empty; a missing file raises CryptError.
void loadSystemDocument(AppContext& ctx);

// Fills the catalogue afresh from the six message sections of the system
// document. A missing section counts as empty. A code found twice keeps its
// first text, and the user is told which codes are doubled.
void loadMessageCatalogue(AppContext& ctx);

}  // namespace examsim
