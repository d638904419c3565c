#include "check_rules.h"

#include "core/xml.h"

#include <map>

namespace examsim::pack {

namespace {

struct UsedCode {
    const char* code;
    const char* section;
};

// Every code the program shows, in the section its prefix belongs to.
constexpr UsedCode kUsedCodes[] = {
    {"qe2", "QuestionBankMessages/Error"},        {"qe5", "QuestionBankMessages/Error"},
    {"qe6", "QuestionBankMessages/Error"},        {"qe7", "QuestionBankMessages/Error"},
    {"qe8", "QuestionBankMessages/Error"},        {"qi8", "QuestionBankMessages/Information"},
    {"qi9", "QuestionBankMessages/Information"},  {"qi12", "QuestionBankMessages/Information"},
    {"qi14", "QuestionBankMessages/Information"}, {"qi16", "QuestionBankMessages/Information"},
    {"qi18", "QuestionBankMessages/Information"}, {"qi21", "QuestionBankMessages/Information"},
    {"qi22", "QuestionBankMessages/Information"}, {"qi23", "QuestionBankMessages/Information"},
    {"rc2", "ReportMessages/Confirmation"},       {"rc4", "ReportMessages/Confirmation"},
    {"re1", "ReportMessages/Error"},              {"ri1", "ReportMessages/Information"},
    {"ri4", "ReportMessages/Information"},        {"ri5", "ReportMessages/Information"},
    {"ri6", "ReportMessages/Information"},        {"ri7", "ReportMessages/Information"},
    {"ri8", "ReportMessages/Information"},        {"ri9", "ReportMessages/Information"},
    {"ri10", "ReportMessages/Information"},       {"ri11", "ReportMessages/Information"},
    {"si9", "SystemMessages/Information"},        {"si10", "SystemMessages/Information"},
    {"si12", "SystemMessages/Information"},       {"si13", "SystemMessages/Information"},
    {"si17", "SystemMessages/Information"},       {"si18", "SystemMessages/Information"},
};

constexpr const char* kSections[] = {
    "QuestionBankMessages/Information", "QuestionBankMessages/Error", "SystemMessages/Information",
    "ReportMessages/Information",       "ReportMessages/Error",       "ReportMessages/Confirmation",
};

}  // namespace

void checkMessageCodes(ProductSources& src) {
    if (!src.hasData("System")) return;
    const std::string file = dataFile("System");
    const pugi::xml_node root = src.data("System").document_element();

    // The catalogue is one dictionary over all sections: a code may appear once.
    std::map<std::string, std::string> sectionOf;
    for (const char* section : kSections) {
        const pugi::xml_node s = root.first_element_by_path(section);
        if (!s) {
            src.add(file, std::string(root.name()) + "/" + section, "section is missing");
            continue;
        }
        for (const auto& m : s.children("Message")) {
            const std::string code = m.attribute("CODE").value();
            if (code.empty()) {
                src.add(file, locate(m), "message without a CODE");
            } else if (!sectionOf.emplace(code, section).second) {
                src.add(file, locate(m), "code \"" + code + "\" is already in " + sectionOf[code]);
            } else if (textContent(m).empty()) {
                src.add(file, locate(m), "message without a text");
            }
        }
    }
    for (const auto& used : kUsedCodes) {
        const auto it = sectionOf.find(used.code);
        if (it == sectionOf.end())
            src.add(file, std::string(root.name()) + "/" + used.section, std::string("message ") + used.code + " is missing");
        else if (it->second != used.section)
            src.add(file, std::string(root.name()) + "/" + it->second,
                    std::string("message ") + used.code + " belongs in " + used.section);
    }
}

}  // namespace examsim::pack
