#include "page_includes.h"

#include "core/file_io.h"
#include "pack_error.h"

#include <algorithm>
#include <cctype>

namespace examsim::pack {

std::string withIncludes(const std::string& html, const std::filesystem::path& product,
                         const std::filesystem::path& source, const IncludeKind& kind) {
    const std::string open = "<!-- " + std::string(kind.word) + " ";
    constexpr std::string_view kClose = " -->";
    const std::string closingTag = "</" + std::string(kind.tag);
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = html.find(open, from)) != std::string::npos;) {
        const std::size_t nameAt = at + open.size();
        const std::size_t end = html.find(kClose, nameAt);
        const std::string name = html.substr(nameAt, end == std::string::npos ? 0 : end - nameAt);
        const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
            return std::isalnum(c) || c == '-' || c == '_';
        });
        if (!plain)
            throw PackError(source.string() + ": a " + std::string(kind.word) + " marker needs a name: <!-- " +
                            std::string(kind.word) + " NAME -->");
        const std::string asked = std::string(kind.folder) + "/" + name + std::string(kind.extension);
        std::string text;
        if (!readWholeFile(product / kind.folder / (name + std::string(kind.extension)), text))
            throw PackError(source.string() + ": asks for " + asked + ", which the product does not have");
        // Such a text would end its element early and spill into the page.
        if (text.find(closingTag) != std::string::npos)
            throw PackError(asked + ": holds \"" + closingTag + "\", which would end it inside the page");
        if (!text.empty() && text.back() != '\n') text += '\n';
        out.append(html, from, at - from).append("<").append(kind.tag).append(">\n").append(text);
        out.append(closingTag).append(">");
        from = end + kClose.size();
    }
    return out.append(html, from);
}

}  // namespace examsim::pack
