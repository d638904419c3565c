#include "qti_xml.h"

#include "qti_question.h"

#include "core/file_io.h"
#include "core/xml.h"

#include <cctype>

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

std::string decodedHref(const std::string& href) {
    std::string out;
    for (std::size_t i = 0; i < href.size(); ++i) {
        const auto hex = [&](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
        if (href[i] == '%' && i + 2 < href.size() && hex(href[i + 1]) && hex(href[i + 2])) {
            out += static_cast<char>(std::stoi(href.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += href[i];
        }
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
