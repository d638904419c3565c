#include "screens/page_viewer.h"

#include "core/app_context.h"
#include "core/file_ops.h"
#include "core/messages.h"

namespace examsim {

void PageViewer::pageLoaded() {
    if (deleteAfter) deleteFile(ctx_.paths, documentPath);
}

void PageViewer::showPrintHint() {
    if (ctx_.host.messages) ctx_.host.messages->show(kPrintHint, msg::OkOnly, "");
}

bool PageViewer::confirmPrint() { return showMessage(ctx_, msgcode::PrintPage, msg::YesNo, "Print") == msg::Yes; }

bool PageViewer::documentMissing() {
    if (fileExists(documentPath) && !std::filesystem::is_directory(documentPath)) return false;
    if (ctx_.host.messages)
        ctx_.host.messages->show("This page is not part of the product: " + documentPath.filename().string(),
                                 msg::OkOnly | msg::Information, ctx_.windowTitle);
    return true;
}

}  // namespace examsim
