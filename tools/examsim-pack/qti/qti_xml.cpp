#include "qti_xml.h"

#include "qti_question.h"

#include "core/file_io.h"
#include "core/xml.h"

namespace examsim::pack::qti {

std::string localName(const pugi::xml_node& node) {
    const std::string name = node.name();
    const auto colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

pugi::xml_node childNamed(const pugi::xml_node& parent, const std::string& local) {
    for (pugi::xml_node c : parent.children())
        if (c.type() == pugi::node_element && localName(c) == local) return c;
    return {};
}

std::vector<pugi::xml_node> childrenNamed(const pugi::xml_node& parent, const std::string& local) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c : parent.children())
        if (c.type() == pugi::node_element && localName(c) == local) out.push_back(c);
    return out;
}

std::vector<pugi::xml_node> descendantsNamed(const pugi::xml_node& from, const std::string& local) {
    std::vector<pugi::xml_node> out;
    for (const auto& x : from.select_nodes(".//*"))
        if (localName(x.node()) == local) out.push_back(x.node());
    return out;
}

std::string collapsed(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

void loadXmlFile(pugi::xml_document& doc, const std::string& file, const std::string& who) {
    std::string text;
    if (!readWholeFile(file, text)) throw ItemRefused(who + ": the file cannot be read");
    const auto parsed = parseXml(doc, text);
    if (!parsed)
        throw ItemRefused(who + ": not XML (line " + std::to_string(parsed.line) + ", column " +
                          std::to_string(parsed.column) + ": " + parsed.description + ")");
}

}  // namespace examsim::pack::qti
