#include "movie_scripts.h"

#include "core/file_io.h"
#include "pack.h"

#include <algorithm>
#include <cctype>

namespace examsim::pack {

namespace {
constexpr std::string_view kOpen = "<!-- script ";
constexpr std::string_view kClose = " -->";
}  // namespace

std::string withMovieScripts(const std::string& html, const std::filesystem::path& product,
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
        if (!plain) throw PackError(source.string() + ": a script marker needs a name: <!-- script NAME -->");
        std::string js;
        if (!readWholeFile(product / "scripts" / (name + ".js"), js))
            throw PackError(source.string() + ": asks for scripts/" + name + ".js, which the product does not have");
        if (js.find("</script") != std::string::npos)
            throw PackError("scripts/" + name + ".js: holds \"</script\", which would end it inside the page");
        if (!js.empty() && js.back() != '\n') js += '\n';
        out.append(html, from, at - from).append("<script>\n").append(js).append("</script>");
        from = end + kClose.size();
    }
    return out.append(html, from);
}

}  // namespace examsim::pack
