#pragma once
#include <initializer_list>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>

namespace examsim {

struct XmlParseOutcome {
    bool ok = false;
    std::string description;  // empty when ok
    std::size_t line = 0;     // 1-based, 0 when ok
    std::size_t column = 0;   // 1-based, 0 when ok
    bool tooDeep = false;     // well-formed, but nested beyond kMaxXmlDepth
    explicit operator bool() const { return ok; }
};

// Deepest element nesting any document may have. Readers walk trees
// iteratively, but pugixml frees a removed subtree by recursion, and the
// movies' own parser stops far earlier.
inline constexpr std::size_t kMaxXmlDepth = 1000;

// Parses UTF-8 text into `doc` (emptied first). Comments and the declaration
// are kept so a document written back keeps them; whitespace-only text between
// elements is not kept. On failure, a document nested deeper than
// kMaxXmlDepth included, the document is left empty.
XmlParseOutcome parseXml(pugi::xml_document& doc, std::string_view text);

// Parses a buffer allocated with pugixml's allocation function; the document
// takes it over (no copy). No line and column are worked out on failure.
XmlParseOutcome parseXmlAdopting(pugi::xml_document& doc, char* buffer, std::size_t size);

// Levels of elements below `node` (0 for a node without child elements).
std::size_t nestingDepth(const pugi::xml_node& node);

// The node as XML text, without added indentation or line breaks.
std::string xmlText(const pugi::xml_node& node);

// All text below the node, concatenated in document order.
std::string textContent(const pugi::xml_node& node);

// The first element of that name at or below `from` in document order
// (the "//name" form); an empty node when there is none.
pugi::xml_node firstNamed(const pugi::xml_node& from, std::string_view name);

// XPath with values passed as variables ($name in the expression), never
// spliced into the expression text.
using XPathVars = std::initializer_list<std::pair<const char*, std::string_view>>;
pugi::xpath_node_set selectAll(const pugi::xml_node& context, const char* expression, XPathVars vars = {});
pugi::xml_node selectFirst(const pugi::xml_node& context, const char* expression, XPathVars vars = {});

// Sets the attribute, appending it when the element lacks it; an existing
// attribute keeps its place, so a document evaluated again keeps its order.
void setAttribute(pugi::xml_node node, const char* name, std::string_view value);

// Number of characters (not bytes) of a UTF-8 text.
std::size_t utf8Length(std::string_view text);

}  // namespace examsim
