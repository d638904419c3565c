#pragma once
#include <filesystem>
#include <string>

namespace examsim::pack {

// Pages and movies are opened alone (by the HTML viewer, the help viewer, the
// user's browser or a movie window), so each carries its styles. A product
// keeps the shared ones once, in style/<name>.css, and a page asks for one with
// <!-- style NAME --> in its head; assembling writes the stylesheet in its place.
std::string withPageStyles(const std::string& html, const std::filesystem::path& product,
                           const std::filesystem::path& source);

bool isPage(const std::filesystem::path& file);

}  // namespace examsim::pack
