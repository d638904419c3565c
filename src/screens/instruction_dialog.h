#pragma once
#include <filesystem>
#include <optional>

namespace examsim {

struct AppContext;
class frmMDIMain;

// The exam instructions shown before a Diagnostic or Final test, frmInstruction.
class frmInstruction {
public:
    static constexpr const char* kDontShow = " Don't show Exam Instructions again";

    frmInstruction(AppContext& ctx, frmMDIMain& parent);

    // application folder + "\" + instruction folder + "\" + instruction file;
    // nothing when the product names no page inside the folder.
    std::optional<std::filesystem::path> page() const;

    // Goes on with the start and stores the choice in the product document.
    void cmdOk(bool dontShowAgain);
    void cmdCancel();
    void closeBox() { cmdCancel(); }

private:
    AppContext& ctx_;
    frmMDIMain& parent_;
};

}  // namespace examsim
