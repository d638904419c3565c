#include "update/install_outcome.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/file_io.h"
#include "core/messages.h"

namespace examsim {

namespace {

constexpr std::string_view kFailed = "failed\n";

}  // namespace

void recordInstallOutcome(const AppPaths& paths, const InstallResult& result) {
    const std::string note = result.ok ? "installed\n" + std::to_string(result.files.size()) + " files\n"
                                       : std::string(kFailed) + result.reason + "\n";
    writeFileAtomically(paths.resolve(kInstallOutcome), note);
}

void reportLastInstall(AppContext& ctx) {
    const std::filesystem::path file = ctx.paths.resolve(kInstallOutcome);
    std::string note;
    if (!readWholeFile(file, note)) return;
    std::error_code ec;
    std::filesystem::remove(file, ec);
    if (!note.starts_with(kFailed)) return;
    std::string reason = note.substr(kFailed.size());
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
    if (reason.size() > 300) reason = reason.substr(0, 300) + "...";
    showText(ctx,
             "The last update could not be installed" + (reason.empty() ? std::string() : " (" + reason + ")") +
                 ". The simulator is unchanged; please run the update again.",
             msg::OkOnly | msg::Exclamation);
}

}  // namespace examsim
