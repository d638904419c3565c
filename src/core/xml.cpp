#include "core/xml.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace examsim {
namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments;

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, std::size_t size) override { out.append(static_cast<const char*>(data), size); }
};

XmlParseOutcome outcome(pugi::xml_document& doc, const pugi::xml_parse_result& r, std::string_view text) {
    XmlParseOutcome o;
    if (r) {
        if (nestingDepth(doc) > kMaxXmlDepth) {
            doc.reset();
            o.tooDeep = true;
            o.description = "elements nested more than " + std::to_string(kMaxXmlDepth) + " levels deep";
            return o;
        }
        o.ok = true;
        return o;
    }
    o.description = r.description();
    o.line = 1;
    o.column = 1;
    const std::size_t end = std::min<std::size_t>(static_cast<std::size_t>(std::max<std::ptrdiff_t>(r.offset, 0)), text.size());
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n') {
            ++o.line;
            o.column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++o.column;
        }
    }
    doc.reset();
    return o;
}

// The next node after `node` in document order below `top`, descending into
// children when `descend`; empty at the end. A loop, not recursion: the depth
// of a document is whatever its file says.
pugi::xml_node nextInOrder(pugi::xml_node node, const pugi::xml_node& top, bool descend, std::size_t& depth) {
    if (descend && node.first_child()) {
        ++depth;
        return node.first_child();
    }
    while (node != top) {
        if (pugi::xml_node next = node.next_sibling()) return next;
        node = node.parent();
        --depth;
    }
    return {};
}

}  // namespace

std::size_t nestingDepth(const pugi::xml_node& node) {
    std::size_t depth = 0, deepest = 0;
    for (pugi::xml_node n = nextInOrder(node, node, true, depth); n; n = nextInOrder(n, node, true, depth))
        if (n.type() == pugi::node_element) deepest = std::max(deepest, depth);
    return deepest;
}

XmlParseOutcome parseXml(pugi::xml_document& doc, std::string_view text) {
    doc.reset();
    const auto r = doc.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
    return outcome(doc, r, text);
}

XmlParseOutcome parseXmlAdopting(pugi::xml_document& doc, char* buffer, std::size_t size) {
    doc.reset();
    const auto r = doc.load_buffer_inplace_own(buffer, size, kParseOptions, pugi::encoding_utf8);
    return outcome(doc, r, {});
}

std::string xmlText(const pugi::xml_node& node) {
    StringWriter w;
    node.print(w, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return std::move(w.out);
}

std::string textContent(const pugi::xml_node& node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) return node.value();
    std::string out;
    std::size_t depth = 0;
    for (pugi::xml_node n = nextInOrder(node, node, true, depth); n;) {
        const auto type = n.type();
        if (type == pugi::node_pcdata || type == pugi::node_cdata) out += n.value();
        // Only elements are entered: text below a comment or instruction does not count.
        n = nextInOrder(n, node, type == pugi::node_element, depth);
    }
    return out;
}

pugi::xml_node firstNamed(const pugi::xml_node& from, std::string_view name) {
    if (!from) return {};
    if (from.type() == pugi::node_element && name == from.name()) return from;
    pugi::xml_node node = from.first_child();
    while (node) {
        if (node.type() == pugi::node_element && name == node.name()) return node;
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && !node.next_sibling() && node != from) node = node.parent();
        if (!node || node == from) break;
        node = node.next_sibling();
    }
    return {};
}

pugi::xpath_node_set selectAll(const pugi::xml_node& context, const char* expression, XPathVars vars) {
    pugi::xpath_variable_set set;
    for (const auto& [name, value] : vars) set.set(name, std::string(value).c_str());
    pugi::xpath_query query(expression, vars.size() ? &set : nullptr);
    return query.evaluate_node_set(context);
}

pugi::xml_node selectFirst(const pugi::xml_node& context, const char* expression, XPathVars vars) {
    const auto nodes = selectAll(context, expression, vars);
    if (nodes.empty()) return {};
    return nodes.first().node();
}

void setAttribute(pugi::xml_node node, const char* name, std::string_view value) {
    pugi::xml_attribute a = node.attribute(name);
    if (!a) a = node.append_attribute(name);
    a.set_value(std::string(value).c_str());
}

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace examsim
