#pragma once
#include <filesystem>

namespace examsim {

// The shared file operations; none of them throws.

// True when the file's length can be read (a file of length 0 exists).
bool fileExists(const std::filesystem::path& path);

// Deletes a file; a missing, read-only or busy file is left as it is.
void deleteFile(const std::filesystem::path& path);

// Deletes a folder with its contents. True when it existed and is gone.
bool deleteFolder(const std::filesystem::path& path);

}  // namespace examsim
