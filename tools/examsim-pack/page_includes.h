#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace examsim::pack {

// A shared file a page asks for with <!-- WORD NAME -->: its text comes from
// FOLDER/NAME.EXTENSION and goes into the page inside <TAG>...</TAG>.
struct IncludeKind {
    std::string_view word;
    std::string_view folder;
    std::string_view extension;
    std::string_view tag;
};

std::string withIncludes(const std::string& html, const std::filesystem::path& product,
                         const std::filesystem::path& source, const IncludeKind& kind);

}  // namespace examsim::pack
