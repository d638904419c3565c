#include "core/character_references.h"

#include "core/encoding.h"

namespace examsim {

namespace {

// The code point of one UTF-8 sequence; 0 when the sequence is broken.
unsigned codePoint(std::string_view ch) {
    const auto lead = static_cast<unsigned char>(ch[0]);
    const std::size_t n = ch.size();
    const std::size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    unsigned cp = n == 2 ? lead & 0x1Fu : n == 3 ? lead & 0x0Fu : lead & 0x07u;
    if (n != want || lead < 0xC2 || lead > 0xF4) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(ch[k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    const bool unallowed = cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF;
    return overlong || unallowed ? 0 : cp;
}

// The bytes of the sequence starting at `at`: its lead and the continuation
// bytes that follow, no more than the lead announces.
std::string_view sequenceAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t n = 1;
    while (n < want && at + n < text.size() && (static_cast<unsigned char>(text[at + n]) & 0xC0) == 0x80) ++n;
    return text.substr(at, n);
}

enum class Part { Text, Tag, Value, Markup };

}  // namespace

std::string referencedForCodePage(std::string_view xml) {
    std::string out, probe;
    out.reserve(xml.size() + 32);
    Part part = Part::Text;
    char quote = 0;
    std::string_view markupEnd;
    std::size_t i = 0;
    while (i < xml.size()) {
        const auto c = static_cast<unsigned char>(xml[i]);
        if (c >= 0x80) {
            const std::string_view ch = sequenceAt(xml, i);
            i += ch.size();
            if (utf8ToCp1252(ch, probe))
                out.append(ch);
            else if (const unsigned cp = codePoint(ch); cp && (part == Part::Text || part == Part::Value))
                out.append("&#").append(std::to_string(cp)).push_back(';');
            continue;
        }
        if (part == Part::Markup && xml.substr(i, markupEnd.size()) == markupEnd) {
            out.append(markupEnd);
            i += markupEnd.size();
            part = Part::Text;
            continue;
        }
        if (part == Part::Text && c == '<') {
            const std::string_view rest = xml.substr(i);
            part = Part::Markup;
            if (rest.starts_with("<!--"))
                markupEnd = "-->";
            else if (rest.starts_with("<![CDATA["))
                markupEnd = "]]>";
            else if (rest.starts_with("<?"))
                markupEnd = "?>";
            else if (rest.starts_with("<!"))
                markupEnd = ">";
            else
                part = Part::Tag;
            out.append(rest.substr(0, part == Part::Markup ? 2 : 1));
            i += part == Part::Markup ? 2 : 1;
            continue;
        }
        if (part == Part::Tag && (c == '"' || c == '\'')) {
            quote = static_cast<char>(c);
            part = Part::Value;
        } else if (part == Part::Tag && c == '>') {
            part = Part::Text;
        } else if (part == Part::Value && c == quote) {
            part = Part::Tag;
        }
        out.push_back(static_cast<char>(c));
        ++i;
    }
    return out;
}

}  // namespace examsim
