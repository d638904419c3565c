#pragma once
#include <filesystem>
#include <string>

namespace examsim {

struct AppContext;

// Addresses of the makers' support, used by the problem-report mail.
inline constexpr const char* kSupportAddress = "support@examsim.example.org";
inline constexpr const char* kBugReportAddress = "bugs@examsim.example.org";

// The error log: application folder + "\errorLog.txt".
std::filesystem::path errorLogPath(const AppContext& ctx);

// Writes the trace as the whole error log (atomically, Windows-1252), for a
// failure the program survives. Throws FileWriteError when it cannot.
void writeErrorLog(std::string& trace, const std::filesystem::path& logFile);

// Writes the trace as the whole error log (atomically, Windows-1252), offers
// it to the makers through the mail program, tells the user where to send it
// when no mail program took it, and ends the program. A log that cannot be
// written is not mailed; the user is told so. Does not return.
[[noreturn]] void reportFatalError(AppContext& ctx, std::string& trace, const std::filesystem::path& logFile);

}  // namespace examsim
