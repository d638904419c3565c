#include "check_rules.h"

#include "core/message_codes.h"
#include "core/xml.h"

#include <map>

namespace examsim::pack {

void checkMessageCodes(ProductSources& src) {
    if (!src.hasData("System")) return;
    const std::string file = dataFile("System");
    const pugi::xml_node root = src.data("System").document_element();

    // The catalogue is one dictionary over all sections: a code may appear once.
    std::map<std::string, std::string_view> sectionOf;
    for (const std::string_view section : msgsection::kAll) {
        const pugi::xml_node s = root.first_element_by_path(std::string(section).c_str());
        if (!s) {
            src.add(file, std::string(root.name()) + "/" + std::string(section), "section is missing");
            continue;
        }
        for (const auto& m : s.children("Message")) {
            const std::string code = m.attribute("CODE").value();
            if (code.empty()) {
                src.add(file, locate(m), "message without a CODE");
            } else if (!sectionOf.emplace(code, section).second) {
                src.add(file, locate(m), "code \"" + code + "\" is already in " + std::string(sectionOf[code]));
            } else if (textContent(m).empty()) {
                src.add(file, locate(m), "message without a text");
            }
        }
    }
    // Every code the program shows, in the section its prefix belongs to.
    const auto check = [&](const MessageCode& used, bool required) {
        const auto it = sectionOf.find(used.code);
        if (it == sectionOf.end()) {
            if (required)
                src.add(file, std::string(root.name()) + "/" + std::string(used.section),
                        std::string("message ") + used.code + " is missing");
        } else if (it->second != used.section) {
            src.add(file, std::string(root.name()) + "/" + std::string(it->second),
                    std::string("message ") + used.code + " belongs in " + std::string(used.section));
        }
    };
    for (const MessageCode& used : msgcode::kAll) check(used, true);
    for (const MessageCode& used : msgcode::kOptional) check(used, false);
}

}  // namespace examsim::pack
