#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace examsim::test {

// One entry of a ZIP as a hostile package may hold it: any name, and the Unix
// mode in its attributes (a link keeps its target as its data).
struct ZipEntry {
    std::string name;
    std::string data;
    unsigned mode = 0100644;  // 040755 folder, 0120777 link, 010644 pipe, 020644 device
};

// Writes the entries stored (not compressed), names and modes as given.
void writeZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries);

}  // namespace examsim::test
