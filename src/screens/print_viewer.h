// frmPrint, the printable viewer.
#pragma once
#include "screens/page_viewer.h"

namespace examsim {

// The printable viewer, frmPrint: a plain page or a printable report as it is.
class frmPrint : public PageViewer {
public:
    using PageViewer::PageViewer;
    // The document itself; the print hint on the printable report only.
    std::optional<std::filesystem::path> load() override;
};

}  // namespace examsim
