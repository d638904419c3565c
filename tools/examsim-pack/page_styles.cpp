#include "page_styles.h"

#include "core/ascii_case.h"
#include "core/file_io.h"
#include "pack.h"

#include <algorithm>
#include <cctype>

namespace examsim::pack {

namespace {
constexpr std::string_view kOpen = "<!-- style ";
constexpr std::string_view kClose = " -->";
}  // namespace

std::string withPageStyles(const std::string& html, const std::filesystem::path& product,
                           const std::filesystem::path& source) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = html.find(kOpen, from)) != std::string::npos;) {
        const std::size_t nameAt = at + kOpen.size();
        const std::size_t end = html.find(kClose, nameAt);
        const std::string name = html.substr(nameAt, end == std::string::npos ? 0 : end - nameAt);
        const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
            return std::isalnum(c) || c == '-' || c == '_';
        });
        if (!plain) throw PackError(source.string() + ": a style marker needs a name: <!-- style NAME -->");
        std::string css;
        if (!readWholeFile(product / "style" / (name + ".css"), css))
            throw PackError(source.string() + ": asks for style/" + name + ".css, which the product does not have");
        if (!css.empty() && css.back() != '\n') css += '\n';
        out.append(html, from, at - from).append("<style>\n").append(css).append("</style>");
        from = end + kClose.size();
    }
    return out.append(html, from);
}

bool isPage(const std::filesystem::path& file) {
    const std::string ext = asciiLower(file.extension().string());
    return ext == ".html" || ext == ".htm";
}

}  // namespace examsim::pack
