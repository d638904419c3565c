#pragma once

namespace examsim {

// The report screen as evaluation sees it: it opens on the test in the
// current test file.
class ReportScreen {
public:
    virtual ~ReportScreen() = default;
    virtual void showReport() = 0;
    // The bookmarked questions in the current test file, with their explanations.
    virtual void showBookmarkExplanations() = 0;
};

}  // namespace examsim
