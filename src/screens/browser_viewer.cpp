#include "screens/browser_viewer.h"

#include "core/app_context.h"
#include "core/ascii_case.h"
#include "core/atomic_file.h"
#include "core/crypt_api.h"
#include "core/file_io.h"
#include "core/file_ops.h"
#include "screens/exam_mode_screen.h"

namespace examsim {

frmBrowser::frmBrowser(AppContext& ctx, ModeWindow* mode) : PageViewer(ctx), mode_(mode) {}

std::filesystem::path frmBrowser::plainPage() const { return ctx_.paths.resolve("\\Database\\htmlfile.html"); }

std::optional<std::filesystem::path> frmBrowser::load() {
    hints_ = documentPath != ctx_.paths.resolve("\\Database\\TTips.wlb");
    if (documentMissing()) return std::nullopt;
    try {
        // The page's bytes as stored: it names its own character set.
        if (asciiLower(documentPath.extension().string()) == ".wlb") {
            requireInsideFolder(ctx_.paths, plainPage());
            writeFileAtomically(plainPage(), ctx_.dataCipher.decipherFile(documentPath, kPassPhrase));
        } else {
            std::string page;
            if (!readWholeFile(documentPath, page)) throw FileWriteError("cannot read " + documentPath.string());
            requireInsideFolder(ctx_.paths, plainPage());
            writeFileAtomically(plainPage(), page);
        }
    } catch (const std::exception& e) {
        deleteFile(ctx_.paths, plainPage());
        if (ctx_.host.messages) ctx_.host.messages->show(e.what(), msg::OkOnly | msg::Critical, ctx_.windowTitle);
        return std::nullopt;
    }
    return plainPage();
}

void frmBrowser::pageLoaded() {
    PageViewer::pageLoaded();
    deleteFile(ctx_.paths, plainPage());
}

void frmBrowser::unload() {
    deleteFile(ctx_.paths, plainPage());
    if (caption != kPrintReport && mode_) mode_->showModeScreen();
}

}  // namespace examsim
