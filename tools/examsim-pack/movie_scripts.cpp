#include "movie_scripts.h"

#include "page_includes.h"

namespace examsim::pack {

std::string withMovieScripts(const std::string& html, const std::filesystem::path& product,
                             const std::filesystem::path& source) {
    return withIncludes(html, product, source, {"script", "scripts", ".js", "script"});
}

}  // namespace examsim::pack
