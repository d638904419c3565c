#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace examsim::test {

// A help file compiled from pages (file name, title) and, when given, a
// table of contents; returns the .chm.
struct HelpPage {
    std::string file;
    std::string title;
};
std::filesystem::path compileHelp(const std::filesystem::path& folder, const std::vector<HelpPage>& pages,
                                  const std::string& contents = "");

// The sample product's help, compiled as the authoring tool compiles it.
std::filesystem::path compileSampleHelp(const std::filesystem::path& folder);

}  // namespace examsim::test
