#pragma once
#include "qti_question.h"

#include <filesystem>
#include <string>

namespace examsim::pack::qti {

// The folder of the application folder that imported pictures go to, and
// the same under the product's files.
inline constexpr const char* kPictureUri = "Database/images/qti";

// Resolves a picture an item names (relative to the item file), inside
// `root` only, and reads its pixel size. Returns false with `why` set when
// the name leaves the package, the file is missing or its size unreadable.
bool resolvePicture(const std::filesystem::path& itemFile, const std::filesystem::path& root,
                    const std::string& href, PictureRef& out, std::string& why);

// True when `file` lies inside `root` both by name and once links in
// either path are followed.
bool withinPackage(const std::filesystem::path& root, const std::filesystem::path& file);

// Pixel size of a PNG, GIF, JPEG or SVG file (SVG: its width and height
// attributes in pixels, else its viewBox).
bool pictureSize(const std::filesystem::path& file, int& width, int& height);

}  // namespace examsim::pack::qti
