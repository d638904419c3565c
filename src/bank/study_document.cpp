#include "bank/study_document.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/messages.h"

namespace examsim {

bool loadStudyDocument(AppContext& ctx, const char* name, pugi::xml_document& doc, const MessageCode& code) {
    try {
        if (loadDataDocument(ctx, name, doc)) return true;
    } catch (const CryptError&) {
        doc.reset();
    }
    showMessage(ctx, code, msg::Critical);
    return false;
}

}  // namespace examsim
