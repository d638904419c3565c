#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace examsim {

// Reads a whole file in one piece. False when it cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out);
bool readWholeFile(const std::filesystem::path& path, std::string& out);

// Reads a whole file into a new buffer from `allocate` with `extra` bytes of
// room after the content; `size` gets the content's length. Null when the file
// cannot be opened or read (nothing is then left allocated).
char* readWholeFileInto(const std::filesystem::path& path, std::size_t& size, std::size_t extra,
                        void* (*allocate)(std::size_t), void (*release)(void*));

// Test seam: asked before each whole-file read; returning false makes that
// read fail as it does for a file that exists but cannot be read.
using ReadFaultHook = std::function<bool(const std::filesystem::path& path)>;
void setReadFaultHook(ReadFaultHook hook);

}  // namespace examsim
