#pragma once
#include <string>

namespace examsim {

struct AppContext;

// Opens a web link ("http:", "https:"), a mail link ("mailto:") or a
// document inside the application folder (a path relative to it, or an
// absolute path within it) of a kind that is shown, never run: a web page,
// PDF, text or picture, judged by the file a link leads to. Anything else is
// refused and logged to stderr; nothing is shown to the user.
void openLink(AppContext& ctx, const std::string& target);

// Every byte but letters, digits and "-_.~" as %XX, for a link's query.
std::string percentEncoded(const std::string& text);

// The mail link for an address, subject and body. Subject and body are
// percent-encoded, so "&", "#" or "?" in them cannot cut the message short.
std::string mailLink(const std::string& address, const std::string& subject, const std::string& body);

// Opens the user's mail program on a new message through openLink.
void sendMail(AppContext& ctx, const std::string& address, const std::string& subject, const std::string& body);

}  // namespace examsim
