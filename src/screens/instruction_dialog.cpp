#include "screens/instruction_dialog.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/data_file.h"
#include "core/messages.h"
#include "core/product_settings.h"

#include <cstdlib>

namespace examsim {

frmInstruction::frmInstruction(AppContext& ctx, InstructionTarget& parent) : ctx_(ctx), parent_(parent) {}

std::optional<std::filesystem::path> frmInstruction::page() const {
    const ProductPage instructions = ProductSettings(ctx_).testInstructions();
    if (instructions.file.empty()) return std::nullopt;
    return ctx_.paths.confined(instructions.folder + "\\" + instructions.file);
}

void frmInstruction::cmdOk(bool dontShowAgain) {
    parent_.instructionCancelled = false;
    if (!setShowExamInstructions(ctx_, !dontShowAgain)) return;
    try {
        saveDataDocument(ctx_, ctx_.productDoc, "Product");
    } catch (const FileWriteError&) {
        showMessage(ctx_, msgcode::FileNotWritten, msg::OkOnly | msg::Critical);
        if (ctx_.host.program) ctx_.host.program->endProgram(1);
        std::exit(1);
    }
}

void frmInstruction::cmdCancel() { parent_.instructionCancelled = true; }

}  // namespace examsim
