#include "desktop/screens/browser_window.h"

namespace examsim {
namespace {

std::unique_ptr<PageViewer> browser(AppContext& ctx, ModeWindow* mode, const std::filesystem::path& document,
                                    const std::string& caption, bool deleteAfter) {
    auto logic = std::make_unique<frmBrowser>(ctx, mode);
    logic->documentPath = document;
    logic->caption = caption;
    logic->deleteAfter = deleteAfter;
    return logic;
}

}  // namespace

BrowserWindow::BrowserWindow(AppContext& ctx, WebEnvironment& web, ModeWindow* mode, const std::filesystem::path& document,
                             const std::string& caption, bool deleteAfter, QWidget* owner)
    : PageViewerWindow(browser(ctx, mode, document, caption, deleteAfter), ctx, web, owner) {
    setObjectName("frmBrowser");
}

}  // namespace examsim
