#include "core/movie_document.h"

#include "core/app_context.h"
#include "core/messages.h"

#include <string>

namespace examsim {

XmlParseOutcome parseMovieXml(AppContext& ctx, pugi::xml_document& doc, std::string_view text) {
    XmlParseOutcome refused;
    if (text.size() > kMaxMovieDocumentBytes) {
        doc.reset();
        refused.description = "larger than " + std::to_string(kMaxMovieDocumentBytes) + " bytes";
    } else {
        XmlParseOutcome parsed = parseXml(doc, text);
        if (parsed ? nestingDepth(doc) <= kMaxMovieDocumentDepth : !parsed.tooDeep) return parsed;
        doc.reset();
        refused.description = "nested more than " + std::to_string(kMaxMovieDocumentDepth) + " levels deep";
    }
    if (ctx.host.messages) ctx.host.messages->show(kMovieDocumentRefused, msg::OkOnly | msg::Critical, kStandardTitle);
    return refused;
}

}  // namespace examsim
