#pragma once
#include "desktop/screens/page_viewer_window.h"
#include "screens/browser_viewer.h"

namespace examsim {

// frmBrowser's window: an enciphered page, shown from its plain copy.
class BrowserWindow : public PageViewerWindow {
    Q_OBJECT
public:
    BrowserWindow(AppContext& ctx, WebEnvironment& web, ModeWindow* mode, const std::filesystem::path& document,
                  const std::string& caption, bool deleteAfter, QWidget* owner = nullptr);
};

}  // namespace examsim
