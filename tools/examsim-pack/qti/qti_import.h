#pragma once
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace examsim::pack::qti {

struct ImportOptions {
    std::vector<std::filesystem::path> sources;
    std::filesystem::path product;
    std::string test, objective, level;
    bool skipUnsupported = false;
};

// Exit statuses of an import.
inline constexpr int kImported = 0;           // imported, the product check finds nothing
inline constexpr int kRefused = 1;            // nothing changed
inline constexpr int kImportedWithFindings = 3;  // imported, but the product check has findings

// Converts every item of the sources in memory, then copies the pictures and
// writes the answer file and the bank (or the quiz), then runs the product
// check. Refusals (PackError) leave the product as it was.
int importQti(const ImportOptions& options, std::ostream& out);

}  // namespace examsim::pack::qti
