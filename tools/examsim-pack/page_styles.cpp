#include "page_styles.h"

#include "core/ascii_case.h"
#include "page_includes.h"

namespace examsim::pack {

std::string withPageStyles(const std::string& html, const std::filesystem::path& product,
                           const std::filesystem::path& source) {
    return withIncludes(html, product, source, {"style", "style", ".css", "style"});
}

bool isPage(const std::filesystem::path& file) {
    const std::string ext = asciiLower(file.extension().string());
    return ext == ".html" || ext == ".htm";
}

}  // namespace examsim::pack
