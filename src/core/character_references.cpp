#include "core/character_references.h"

#include "core/encoding.h"

namespace examsim {

namespace {

// The UTF-8 sequence that starts at `at`: its lead and the continuation bytes
// that follow, no more than the lead announces. `cp` is its code point, or 0
// when the sequence is broken or names no character XML allows.
std::string_view sequenceAt(std::string_view text, std::size_t at, unsigned& cp) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    cp = want == 2 ? lead & 0x1Fu : want == 3 ? lead & 0x0Fu : lead & 0x07u;
    std::size_t n = 1;
    for (; n < want && at + n < text.size(); ++n) {
        const auto c = static_cast<unsigned char>(text[at + n]);
        if ((c & 0xC0) != 0x80) break;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    const bool broken = n != want || want == 1 || lead < 0xC2 || lead > 0xF4;
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    const bool unallowed = cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF;
    if (broken || overlong || unallowed) cp = 0;
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
            unsigned cp = 0;
            const std::string_view ch = sequenceAt(xml, i, cp);
            i += ch.size();
            if (utf8ToCp1252(ch, probe))
                out.append(ch);
            else if (cp && (part == Part::Text || part == Part::Value))
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
