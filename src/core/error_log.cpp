#include "core/error_log.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/data_file.h"
#include "core/encoding.h"

#include <cstdlib>

namespace examsim {

std::filesystem::path errorLogPath(const AppContext& ctx) { return ctx.paths.resolve("\\errorLog.txt"); }

namespace {

// Mails the log to the makers, or tells the user where to send it.
void offerErrorLog(AppContext& ctx, const std::filesystem::path& logFile) {
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
}

}  // namespace

void writeErrorLog(std::string& trace, const std::filesystem::path& logFile) {
    trace = crlfLineBreaks(trace);
    writeFileAtomically(logFile, utf8ToCp1252Lossy(trace));
}

void reportFatalError(AppContext& ctx, std::string& trace, const std::filesystem::path& logFile) {
    try {
        writeErrorLog(trace, logFile);
        offerErrorLog(ctx, logFile);
    } catch (const FileWriteError& e) {
        // Nothing to mail then; the user still learns why the program ends.
        if (ctx.host.messages)
            ctx.host.messages->show(std::string("The error log could not be written (") + e.what() + ").",
                                    msg::OkOnly | msg::Critical, "");
    }
    if (ctx.host.program) ctx.host.program->endProgram(1);
    std::exit(1);
}

}  // namespace examsim
