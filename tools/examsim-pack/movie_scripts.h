#pragma once
#include <filesystem>
#include <string>

namespace examsim::pack {

// A movie is one file; logic it shares with its tests is kept in
// scripts/<name>.js and asked for with <!-- script NAME -->, which assembling
// replaces by the script.
std::string withMovieScripts(const std::string& html, const std::filesystem::path& product,
                             const std::filesystem::path& source);

}  // namespace examsim::pack
