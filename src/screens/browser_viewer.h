// frmBrowser, the HTML viewer of enciphered pages.
#pragma once
#include "screens/page_viewer.h"

namespace examsim {

class ModeWindow;

// The HTML viewer, frmBrowser: an enciphered page, shown from a plain copy that
// lives only until the browser has read it.
class frmBrowser : public PageViewer {
public:
    static constexpr const char* kPrintReport = "Print Report";

    // `mode` is shown again when the viewer closes.
    frmBrowser(AppContext& ctx, ModeWindow* mode);

    // Deciphers the document to "\Database\htmlfile.html" (a document that is
    // not a ".wlb" container is copied as it is) and returns that page.
    std::optional<std::filesystem::path> load() override;
    void pageLoaded() override;
    // The plain copy goes in any case; the mode screen comes back unless this
    // was a printable report.
    void unload() override;

    std::filesystem::path plainPage() const;

private:
    ModeWindow* mode_;
};

}  // namespace examsim
