#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace examsim::pack {

// One inconsistency of a product: the source file (relative to the product
// folder), the element it concerns, and what is wrong.
struct Finding {
    std::string file;
    std::string element;
    std::string message;
};

// Runs every rule on the readable sources of a product folder.
std::vector<Finding> checkProduct(const std::filesystem::path& product);

// "file: element: message", one line each.
void printFindings(const std::vector<Finding>& findings, std::ostream& out);

}  // namespace examsim::pack
