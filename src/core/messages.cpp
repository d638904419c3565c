#include "core/messages.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/xml.h"

#include <string_view>

namespace examsim {

namespace {

pugi::xml_node childElement(const pugi::xml_node& parent, std::string_view name) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && std::string_view(c.name()) == name) return c;
    return {};
}

}  // namespace

const std::string& messageText(AppContext& ctx, const std::string& code) {
    return ctx.catalogue[code];  // an unknown code is added with the empty text
}

BoxAnswer showMessage(AppContext& ctx, const MessageCode& code, BoxStyle style, const std::string& title) {
    return showText(ctx, messageText(ctx, code), style, title);
}

BoxAnswer showText(AppContext& ctx, const std::string& text, BoxStyle style, const std::string& title) {
    if (!ctx.host.messages) return msg::Ok;
    return ctx.host.messages->show(text, style, title);
}

void loadSystemDocument(AppContext& ctx) {
    if (!loadDataDocument(ctx, "System", ctx.systemDoc)) showMessage(ctx, msgcode::SystemFileUnreadable, msg::OkOnly);
}

void loadMessageCatalogue(AppContext& ctx) {
    ctx.catalogue.clear();
    std::string doubled;
    const pugi::xml_node root = ctx.systemDoc.document_element();
    for (const std::string_view path : msgsection::kAll) {
        const std::size_t slash = path.find('/');
        const pugi::xml_node section = childElement(childElement(root, path.substr(0, slash)), path.substr(slash + 1));
        for (pugi::xml_node m = section.first_child(); m; m = m.next_sibling()) {
            if (m.type() != pugi::node_element || std::string_view(m.name()) != "Message") continue;
            const std::string code = m.attribute("CODE").value();
            if (!ctx.catalogue.emplace(code, textContent(m)).second) doubled += (doubled.empty() ? "\"" : ", \"") + code + "\"";
        }
    }
    if (!doubled.empty() && ctx.host.messages)
        ctx.host.messages->show("The system file lists the message code " + doubled +
                                    " more than once; the first text of each is used.",
                                msg::Exclamation, kStandardTitle);
}

}  // namespace examsim
