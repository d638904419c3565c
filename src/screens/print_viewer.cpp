#include "screens/print_viewer.h"

#include "core/app_context.h"

namespace examsim {

std::optional<std::filesystem::path> frmPrint::load() {
    hints_ = documentPath == currentTestFilePath(ctx_);
    if (documentMissing()) return std::nullopt;
    return documentPath;
}

}  // namespace examsim
