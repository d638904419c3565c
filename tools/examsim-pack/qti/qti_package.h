#pragma once
#include "qti_item.h"

#include <filesystem>
#include <string>
#include <vector>

namespace examsim::pack::qti {

// The items a source offers, in the order they are imported: the order of
// the package's assessmentTest first, then the manifest's other items.
struct Package {
    std::vector<ItemSource> items;
    std::string testTitle;  // the assessmentTest's title, may be empty
};

// Opens a source: a ZIP holding imsmanifest.xml (unpacked into `staging`,
// which must not exist yet), a folder holding one, or a single item file.
// Throws PackError for a source it cannot read, a manifest naming a file
// the package lacks, or an entry the unpacking refuses.
Package openPackage(const std::filesystem::path& source, const std::filesystem::path& staging);

// The objective and level a LOM record gives: the deepest taxon of its first
// classification, and its difficulty ("very easy" and "easy" are Beginner,
// "medium" Intermediate, "difficult" and "very difficult" Expert; another
// value is given as it is).
void readLom(const pugi::xml_node& lom, std::string& objective, std::string& level);

}  // namespace examsim::pack::qti
