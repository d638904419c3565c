#include "core/messages.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/xml.h"

#include <array>

namespace examsim {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 6> kSections{{
    {"QuestionBankMessages", "Information"},
    {"QuestionBankMessages", "Error"},
    {"SystemMessages", "Information"},
    {"ReportMessages", "Information"},
    {"ReportMessages", "Error"},
    {"ReportMessages", "Confirmation"},
}};

pugi::xml_node childElement(const pugi::xml_node& parent, const char* name) {
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && std::string_view(c.name()) == name) return c;
    return {};
}

}  // namespace

const std::string& messageText(AppContext& ctx, const std::string& code) {
    return ctx.catalogue[code];  // an unknown code is added with the empty text
}

int showMessage(AppContext& ctx, const std::string& code, int style, const std::string& title) {
    const std::string text = messageText(ctx, code);
    if (!ctx.host.messages) return msg::Ok;
    return ctx.host.messages->show(text, style, title);
}

void loadSystemDocument(AppContext& ctx) {
    if (!loadDataDocument(ctx, "System", ctx.systemDoc)) showMessage(ctx, "qe6", msg::OkOnly);
}

void loadMessageCatalogue(AppContext& ctx) {
    ctx.catalogue.clear();
    std::string doubled;
    const pugi::xml_node root = ctx.systemDoc.document_element();
    for (const auto& [group, kind] : kSections) {
        const pugi::xml_node section = childElement(childElement(root, group), kind);
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
