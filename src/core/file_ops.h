#pragma once
#include "core/app_paths.h"

#include <filesystem>

namespace examsim {

// The shared file operations; none of them throws.

// True when the file's length can be read (a file of length 0 exists).
bool fileExists(const std::filesystem::path& path);

// Deletes a file of the application folder; a missing, read-only or busy
// file is left as it is, and so is one reached through a link that leads out
// of the folder.
void deleteFile(const AppPaths& paths, const std::filesystem::path& path);

// Deletes a folder of the application folder with its contents (links inside
// it are removed, not followed). True when it existed and is gone; a folder
// reached through a link that leads out of the folder is left alone: false.
bool deleteFolder(const AppPaths& paths, const std::filesystem::path& path);

// Throws FileWriteError unless the program may write `path` (AppPaths::keepsInside).
void requireInsideFolder(const AppPaths& paths, const std::filesystem::path& path);

}  // namespace examsim
