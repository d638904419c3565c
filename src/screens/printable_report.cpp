#include "screens/printable_report.h"

#include "core/number_text.h"
#include "core/xml.h"

#include <sstream>
#include <vector>

namespace examsim {
namespace {

// Each position as a child index; one that is not a whole number is left out.
std::vector<std::size_t> indexes(const std::string& positions) {
    std::vector<std::size_t> out;
    std::stringstream list(positions);
    std::string part;
    while (std::getline(list, part, ',')) {
        const auto n = numberValue(part);
        if (n && *n >= 0 && *n == static_cast<double>(static_cast<std::size_t>(*n))) out.push_back(static_cast<std::size_t>(*n));
    }
    return out;
}

// The item at that child index of the report's Test, or an empty node.
pugi::xml_node itemAt(const pugi::xml_node& test, std::size_t index) {
    std::size_t i = 0;
    for (pugi::xml_node child : test.children()) {
        if (i++ != index) continue;
        return std::string_view(child.name()) == "item" ? child : pugi::xml_node();
    }
    return {};
}

}  // namespace

std::optional<std::string> printReport(const std::string& reportXml, const std::string& positions,
                                       const std::optional<std::string>& productName) {
    pugi::xml_document report;
    if (!parseXml(report, reportXml)) return std::nullopt;
    const pugi::xml_node test = selectFirst(report, "//Test");
    pugi::xml_document out;
    pugi::xml_node root = out.append_child("Test");
    // The product name goes in as text, so a name with "<" or "&" still prints.
    if (productName) root.append_child("Product").text().set(productName->c_str());
    root.append_attribute("name").set_value("quiz");
    root.append_child("Property");
    for (std::size_t index : indexes(positions))
        if (const pugi::xml_node item = itemAt(test, index)) root.append_copy(item);
    // Chromium reads the stylesheet's pseudo-attributes by their exact names:
    // "TYPE" alone would make it a CSS sheet and show the report as plain text.
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n") +
           "<?xml-stylesheet TYPE=\"text/xsl\" type=\"text/xsl\" href=\"print.xsl\"?>\r\n" + xmlText(root);
}

bool namesAnyQuestion(const std::string& reportXml, const std::string& positions) {
    pugi::xml_document report;
    if (!parseXml(report, reportXml)) return false;
    const pugi::xml_node test = selectFirst(report, "//Test");
    for (std::size_t index : indexes(positions))
        if (itemAt(test, index)) return true;
    return false;
}

}  // namespace examsim
