#include "qti_text.h"

#include "qti_xml.h"

#include "core/encoding.h"

#include <cstdio>
#include <set>

namespace examsim::pack::qti {

namespace {

bool isBlock(const std::string& name) {
    static const std::set<std::string> blocks = {"p", "div", "ul", "ol", "li", "table", "tr", "h1", "h2", "h3",
                                                 "h4", "h5", "h6", "blockquote", "pre", "dl", "dt", "dd",
                                                 "caption", "thead", "tbody", "tfoot", "hr", "address", "prompt"};
    return blocks.count(name) > 0;
}

// Elements whose content is never part of the statement.
bool isLeftOut(const std::string& name) {
    return name == "img" || name == "object" || name == "feedbackBlock" || name == "feedbackInline" ||
           name == "rubricBlock" || name == "modalFeedback" || name == "templateBlock" || name == "templateInline";
}

struct Walker {
    pugi::xml_node interaction;
    std::string out;

    void walk(const pugi::xml_node& node) {
        for (pugi::xml_node c : node.children()) {
            if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) {
                for (char ch : std::string(c.value())) out += (ch == '\n' || ch == '\r' || ch == '\t') ? ' ' : ch;
                continue;
            }
            if (c.type() != pugi::node_element) continue;
            const std::string name = localName(c);
            if (isLeftOut(name)) continue;
            if (c == interaction) {
                if (name == "textEntryInteraction") {
                    out += "_____";
                } else if (const pugi::xml_node prompt = childNamed(c, "prompt")) {
                    out += '\n';
                    walk(prompt);
                    out += '\n';
                }
                continue;
            }
            if (name == "br") {
                out += '\n';
                continue;
            }
            const bool block = isBlock(name);
            if (block) out += '\n';
            walk(c);
            if (block) out += '\n';
            if (name == "td" || name == "th") out += ' ';
        }
    }
};

std::string joinLines(const std::string& raw, const char* separator) {
    std::string out;
    std::size_t start = 0;
    while (start <= raw.size()) {
        const std::size_t end = std::min(raw.find('\n', start), raw.size());
        const std::string line = collapsed(raw.substr(start, end - start));
        if (!line.empty()) out += (out.empty() ? "" : separator) + line;
        start = end + 1;
    }
    return out;
}

std::size_t sequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

void requireText(const std::string& text, const std::string& where, const Question& q) {
    std::string stored;
    if (utf8ToCp1252(text, stored)) return;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = std::min(sequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string ch = text.substr(i, n);
        if (!utf8ToCp1252(ch, stored)) {
            unsigned code = n == 1 ? static_cast<unsigned char>(ch[0]) : static_cast<unsigned char>(ch[0]) & (0x7F >> n);
            for (std::size_t k = 1; k < n; ++k) code = (code << 6) | (static_cast<unsigned char>(ch[k]) & 0x3F);
            char hex[16];
            std::snprintf(hex, sizeof hex, "U+%04X", code);
            throw ItemRefused(itemName(q.identifier) + ": the character \"" + ch + "\" (" + hex + ") in its " + where +
                              " cannot be stored in Windows-1252");
        }
        i += n;
    }
}

}  // namespace

std::string statementText(const pugi::xml_node& body, const pugi::xml_node& interaction) {
    Walker w{interaction, {}};
    w.walk(body);
    return joinLines(w.out, "\n");
}

std::string inlineText(const pugi::xml_node& node) {
    Walker w{{}, {}};
    w.walk(node);
    return joinLines(w.out, " ");
}

void requireStorable(const Question& q) {
    requireText(q.statement, "statement", q);
    requireText(q.explanation, "feedback", q);
    for (const auto& o : q.options) requireText(o.text, "choice " + o.name, q);
    requireText(q.accepted, "correct response", q);
    for (const auto& a : q.alternatives) requireText(a, "accepted answers", q);
    for (const auto& h : q.hotspots) requireText(h.label, "hot spot " + h.name, q);
    for (const auto& t : q.tiles) requireText(t.label, "picture label " + t.name, q);
}

}  // namespace examsim::pack::qti
