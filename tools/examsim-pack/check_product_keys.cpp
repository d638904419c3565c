#include "check_rules.h"

#include "core/xml.h"

#include <set>

namespace examsim::pack {

namespace {

struct Key {
    const char* path;       // as the program selects it
    const char* attribute;  // required attribute, or nullptr
    bool needsText;         // the element's text is used
};

// Every key the program reads from the product document.
constexpr Key kKeys[] = {
    {"//sku", nullptr, true},
    {"//validate", nullptr, true},
    {"//version_code", nullptr, true},
    {"//version_type", nullptr, true},
    {"//product-name", nullptr, true},
    {"//full_version_name", nullptr, true},
    {"//utp", "uri", false},
    {"//live_update", "checkUpdate", true},
    {"//help", "uri", false},
    {"//product", nullptr, false},
    {"//screen", "name", false},
    {"//modes", nullptr, false},
    {"//examinstruction", "show", false},
    {"//test_instructions", "uri", true},
    {"//objectives", nullptr, false},
    {"//testmonials", nullptr, true},
    {"//tool_tips_texts", nullptr, false},
    {"//quick_revision_notes", "uri", true},
    {"product/quick_revision_notes", "uri", true},
    {"product/tips_n_tricks", "uri", true},
    {"product/online_training/head", nullptr, true},
    {"product/online-resource", nullptr, true},
    {"//online-resources", "uri", true},
    {"//forum_link", "uri", true},
    {"//on_line_synchronization_link", nullptr, true},
    {"//reports", nullptr, false},
    {"//reports/test_result_analysis", "min_marks", true},
    {"//reports/test_pass_percentage", nullptr, true},
    {"product/reports/test_pass_percentage", nullptr, true},
    {"product/no_of_max_reports", nullptr, false},
};

pugi::xml_node childNamed(const pugi::xml_node& parent, const char* element, const std::string& name) {
    for (const auto& c : parent.children(element))
        if (name == c.attribute("name").value()) return c;
    return {};
}

bool wholeNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

void checkProductKeys(ProductSources& src) {
    if (!src.hasData("Product")) return;
    const std::string file = dataFile("Product");
    const auto& doc = src.data("Product");
    const pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "product") {
        src.add(file, root.name(), "the root element must be product");
        return;
    }
    for (const auto& key : kKeys) {
        const pugi::xml_node n = doc.select_node(key.path).node();
        if (!n) {
            src.add(file, key.path, "key is missing");
            continue;
        }
        if (key.attribute && !n.attribute(key.attribute))
            src.add(file, key.path, std::string("attribute ") + key.attribute + " is missing");
        if (key.needsText && textContent(n).empty()) src.add(file, key.path, "key has no text");
    }

    for (const char* mode : {"learningmode", "certificationmode", "interactivequiz"})
        if (textContent(childNamed(root.child("modes"), "mode", mode)).empty())
            src.add(file, "modes", std::string("no label for mode \"") + mode + "\"");
    const pugi::xml_node tips = doc.select_node("//tool_tips_texts").node();
    std::set<std::string> tipNames;
    for (const auto& c : tips.children()) tipNames.insert(c.attribute("name").value());
    for (const char* tip : {"mymentor", "examinformation", "simulatorfeature", "tipofToday"})
        if (!tipNames.count(tip)) src.add(file, "tool_tips_texts", std::string("no entry named \"") + tip + "\"");

    const pugi::xml_node about = childNamed(root, "screen", "about");
    if (!about) src.add(file, "screen[@name='about']", "screen is missing");
    for (const char* link : {"company_link", "email_text"})
        if (about && std::string(about.child(link).attribute("uri").value()).empty())
            src.add(file, std::string("screen[@name='about']/") + link, "link needs a uri");
    if (!childNamed(root, "screen", "comparefeature")) src.add(file, "screen[@name='comparefeature']", "screen is missing");

    for (const char* link : {"//utp", "//help"})
        if (const auto n = doc.select_node(link).node(); n && std::string(n.attribute("uri").value()).empty())
            src.add(file, link, "uri is empty");
    const std::string show = doc.select_node("//examinstruction").node().attribute("show").value();
    if (show != "true" && show != "false") src.add(file, "//examinstruction", "show must be \"true\" or \"false\"");
    const std::string check = doc.select_node("//live_update").node().attribute("checkUpdate").value();
    if (check != "True" && check != "False") src.add(file, "//live_update", "checkUpdate must be \"True\" or \"False\"");
    const std::string maxReports = textContent(doc.select_node("product/no_of_max_reports").node());
    if (!maxReports.empty() && (!wholeNumber(maxReports) || std::stoul(maxReports.substr(0, 6)) == 0))
        src.add(file, "product/no_of_max_reports", "must be empty or a whole number of 1 or more");
}

}  // namespace examsim::pack
