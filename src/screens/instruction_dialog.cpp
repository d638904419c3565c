#include "screens/instruction_dialog.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/data_file.h"
#include "core/messages.h"
#include "core/xml.h"

#include <cstdlib>

namespace examsim {

frmInstruction::frmInstruction(AppContext& ctx, InstructionTarget& parent) : ctx_(ctx), parent_(parent) {}

std::optional<std::filesystem::path> frmInstruction::page() const {
    const pugi::xml_node node = firstNamed(ctx_.productDoc, "test_instructions");
    const std::string file = textContent(node);
    if (file.empty()) return std::nullopt;
    return ctx_.paths.confined(std::string(node.attribute("uri").value()) + "\\" + file);
}

void frmInstruction::cmdOk(bool dontShowAgain) {
    parent_.instructionCancelled = false;
    pugi::xml_node setting = firstNamed(ctx_.productDoc, "examinstruction");
    if (!setting) return;
    pugi::xml_attribute show = setting.attribute("show");
    if (!show) show = setting.append_attribute("show");
    show.set_value(dontShowAgain ? "false" : "true");
    try {
        saveDataDocument(ctx_, ctx_.productDoc, "Product");
    } catch (const FileWriteError&) {
        showMessage(ctx_, "si13", msg::OkOnly | msg::Critical);
        if (ctx_.host.program) ctx_.host.program->endProgram(1);
        std::exit(1);
    }
}

void frmInstruction::cmdCancel() { parent_.instructionCancelled = true; }

}  // namespace examsim
