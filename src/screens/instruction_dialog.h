// frmInstruction, the exam instructions shown before a Diagnostic or Final
// test; OK stores the user's choice to see them again in the product.
#pragma once
#include <filesystem>
#include <optional>

namespace examsim {

struct AppContext;

// The window that asked for the instructions; it reads the answer once the
// dialog has closed.
struct InstructionTarget {
    bool instructionCancelled = false;
};

class frmInstruction {
public:
    static constexpr const char* kDontShow = " Don't show Exam Instructions again";

    frmInstruction(AppContext& ctx, InstructionTarget& parent);

    // application folder + "\" + instruction folder + "\" + instruction file;
    // nothing when the product names no page inside the folder.
    std::optional<std::filesystem::path> page() const;

    // Goes on with the start and stores the choice in the product document.
    void cmdOk(bool dontShowAgain);
    void cmdCancel();
    void closeBox() { cmdCancel(); }

private:
    AppContext& ctx_;
    InstructionTarget& parent_;
};

}  // namespace examsim
