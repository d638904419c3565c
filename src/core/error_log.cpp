#include "core/error_log.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/data_file.h"
#include "core/encoding.h"

#include <cstdlib>

namespace examsim {

std::filesystem::path errorLogPath(const AppContext& ctx) { return ctx.paths.resolve("\\errorLog.txt"); }

void writeErrorLog(std::string& trace, const std::filesystem::path& logFile) {
    trace = crlfLineBreaks(trace);
    writeFileAtomically(logFile, utf8ToCp1252Lossy(trace));
}

void reportFatalError(AppContext& ctx, std::string& trace, const std::filesystem::path& logFile) {
    // A log that cannot be written travels to the caller, as any write error would.
    writeErrorLog(trace, logFile);

    MailMessage mail;
    mail.to = kSupportAddress;
    mail.cc = kBugReportAddress;
    mail.subject = "Bug Report: :" + ctx.windowTitle;
    mail.htmlBody = "Please send System Information and Screenshot of Application where Error occured.";
    mail.attachment = logFile;
    bool sent = false;
    try {
        sent = ctx.host.mail && ctx.host.mail->send(mail);
    } catch (const std::exception&) {
        sent = false;
    }
    if (!sent && ctx.host.messages)
        ctx.host.messages->show(std::string("Error!!! Please send errorLog.txt to ") + kSupportAddress, msg::OkOnly, "");

    if (ctx.host.program) ctx.host.program->endProgram(1);
    std::exit(1);
}

}  // namespace examsim
