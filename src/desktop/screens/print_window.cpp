#include "desktop/screens/print_window.h"

namespace examsim {
namespace {

std::unique_ptr<PageViewer> printable(AppContext& ctx, const std::filesystem::path& document, const std::string& caption,
                                      bool deleteAfter) {
    auto logic = std::make_unique<frmPrint>(ctx);
    logic->documentPath = document;
    logic->caption = caption;
    logic->deleteAfter = deleteAfter;
    return logic;
}

}  // namespace

PrintWindow::PrintWindow(AppContext& ctx, WebEnvironment& web, const std::filesystem::path& document,
                         const std::string& caption, bool deleteAfter, QWidget* owner)
    : PageViewerWindow(printable(ctx, document, caption, deleteAfter), ctx, web, owner) {
    setObjectName("frmPrint");
}

}  // namespace examsim
