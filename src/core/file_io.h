#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace examsim {

// Reads a whole file in one piece. False when it cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out);
bool readWholeFile(const std::filesystem::path& path, std::string& out);

}  // namespace examsim
