#pragma once
#include "desktop/screens/page_viewer_window.h"
#include "screens/print_viewer.h"

namespace examsim {

// frmPrint's window: a plain page or a printable report as it is.
class PrintWindow : public PageViewerWindow {
    Q_OBJECT
public:
    PrintWindow(AppContext& ctx, WebEnvironment& web, const std::filesystem::path& document, const std::string& caption,
                bool deleteAfter, QWidget* owner = nullptr);
};

}  // namespace examsim
