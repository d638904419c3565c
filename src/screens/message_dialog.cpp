#include "screens/message_dialog.h"

#include "core/app_context.h"

#include <cstdlib>

namespace examsim {

std::string frmMsg::caption() const { return ctx_.windowTitle; }

void frmMsg::cmdYes() {
    if (ctx_.host.program) ctx_.host.program->endProgram(0);
    std::exit(0);
}

}  // namespace examsim
