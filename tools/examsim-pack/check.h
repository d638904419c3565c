#pragma once
#include "finding.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace examsim::pack {

// Runs every rule on the readable sources of a product folder.
std::vector<Finding> checkProduct(const std::filesystem::path& product);

// "file: element: message", one line each.
void printFindings(const std::vector<Finding>& findings, std::ostream& out);

}  // namespace examsim::pack
