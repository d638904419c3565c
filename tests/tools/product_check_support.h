#pragma once
#include "support/temp_folder.h"

#include <filesystem>
#include <functional>
#include <pugixml.hpp>
#include <string>

namespace examsim::test {

// The result of one run of `examsim-pack check`.
struct CheckRun {
    int status = -1;
    std::string output;  // standard output and error together
};

CheckRun runCheck(const std::filesystem::path& product);

std::filesystem::path sourceProduct();

// A copy of the sample product whose questions are replaced by a small,
// generated, complete set, so the rule tests do not depend on the content.
class ProductCopy {
public:
    ProductCopy();
    const std::filesystem::path& path() const { return folder_.path(); }

    // Changes a data document in place (data/<name>.xml).
    void editData(const std::string& name, const std::function<void(pugi::xml_document&)>& edit);
    // Replaces the first occurrence of `from` in a file of the copy.
    void replaceText(const std::string& relative, const std::string& from, const std::string& to);
    void remove(const std::string& relative);

private:
    TempFolder folder_;
};

}  // namespace examsim::test
