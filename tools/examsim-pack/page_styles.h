#pragma once
#include <filesystem>
#include <string>

namespace examsim::pack {

// Pages are opened alone (by the HTML viewer, the help viewer or the user's
// browser), so each carries its styles. A product keeps the shared ones once,
// in style/<name>.css, and a page asks for one with <!-- style NAME --> in its
// head; assembling writes the stylesheet in its place.
std::string withPageStyles(const std::string& html, const std::filesystem::path& product,
                           const std::filesystem::path& source);

bool isPage(const std::filesystem::path& file);

}  // namespace examsim::pack
