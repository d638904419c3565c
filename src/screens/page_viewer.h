#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace examsim {

struct AppContext;

// What the two page viewers share: the document their caller hands them, the
// print hint and the print question.
class PageViewer {
public:
    static constexpr const char* kPrintHint = "Click on the <Print> button at the top right corner of the screen to print.";

    explicit PageViewer(AppContext& ctx) : ctx_(ctx) {}
    virtual ~PageViewer() = default;

    // Set by the caller before the viewer loads.
    std::filesystem::path documentPath;
    bool deleteAfter = false;
    std::string caption;

    // The page the browser is to show; nothing, after a message, when the
    // document is missing.
    virtual std::optional<std::filesystem::path> load() = 0;
    // The browser has read the page: what was only written for it goes.
    virtual void pageLoaded();
    virtual void unload() {}

    // A key, a selection or a right click in the page shows the print hint.
    bool printHintApplies() const { return hints_; }
    void showPrintHint();
    // "rc4", Yes/No, titled "Print": true to print.
    bool confirmPrint();

protected:
    bool documentMissing();

    AppContext& ctx_;
    bool hints_ = false;
};

}  // namespace examsim
