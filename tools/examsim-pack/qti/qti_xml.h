#pragma once
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace examsim::pack::qti {

// QTI and LOM documents come with or without namespace prefixes; elements
// are matched by their local name.
std::string localName(const pugi::xml_node& node);
pugi::xml_node childNamed(const pugi::xml_node& parent, const std::string& local);
std::vector<pugi::xml_node> childrenNamed(const pugi::xml_node& parent, const std::string& local);
// Every element of that local name below `from`, in document order.
std::vector<pugi::xml_node> descendantsNamed(const pugi::xml_node& from, const std::string& local);

// Text with runs of white space made one blank and both ends trimmed.
std::string collapsed(const std::string& text);

// A URI reference as a file name: "%20" and the like decoded.
std::string decodedHref(const std::string& href);

// Loads an XML file (pugixml keeps its whitespace out); throws ItemRefused
// with `who` and the parser's reason when it cannot be read or parsed.
void loadXmlFile(pugi::xml_document& doc, const std::string& file, const std::string& who);

}  // namespace examsim::pack::qti
