#include "screens/update_check.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/file_ops.h"
#include "core/host.h"
#include "screens/exam_mode_contract.h"
#include "update/update_host.h"
#include "update/update_urls.h"
#include "update/version_compare.h"

#include <filesystem>

namespace examsim {

UpdateCheck::UpdateCheck(AppContext& ctx, WorkRunner& work, UpdateLimits limits)
    : ctx_(ctx), work_(work), limits_(std::move(limits)) {}

void UpdateCheck::checkUpdate() {
    // Read here, on the screen's thread; the worker only talks to the server.
    const UpdateAddress address = UpdateAddress::of(ctx_);
    const std::string url = address.versionCheck();
    auto answer = std::make_shared<TextAnswer>();
    work_.inBackground([answer, url, limits = limits_.check] { *answer = getText(url, limits); },
                       [this, answer, version = address.version] { answered(*answer, version); });
}

void UpdateCheck::answered(const TextAnswer& answer, const std::string& version) {
    if (!answer.result.ok() || !isNewerVersion(answer.body, version)) return;
    try {
        const std::filesystem::path info = ctx_.paths.resolve(kUpdateInfoFile);
        requireInsideFolder(ctx_.paths, info.parent_path());
        std::filesystem::create_directories(info.parent_path());
        requireInsideFolder(ctx_.paths, info);
        writeFileAtomically(info, answer.body);
    } catch (const std::exception&) {
        return;  // the check is quiet: nothing written, nothing marked
    }
    found_ = true;
    if (modeMovie_) modeMovie_->SetVariable(exam_mode_contract::var::UpdateBlink, "True");
}

}  // namespace examsim
