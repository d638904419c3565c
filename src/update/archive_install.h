#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace examsim {

class AppPaths;

// What a package may hold: plain files and folders under relative names,
// within these bounds.
struct UnpackLimits {
    std::size_t maxEntries = 4096;
    std::uint64_t maxBytes = 2ull * 1024 * 1024 * 1024;
};

struct InstallResult {
    bool ok = false;
    std::string reason;               // why the package was refused or not installed
    std::vector<std::string> files;   // relative names of the package's files, sorted
};

// Unpacks the ZIP `archive` into `staging` (emptied first). The whole package
// is refused, with the staging folder removed, when an entry is named with an
// absolute path, a drive or a ".." part, is a link, a device, a pipe or a
// socket, is enciphered, comes twice, or when the package is damaged or past
// the limits.
InstallResult unpackArchive(const std::filesystem::path& archive, const std::filesystem::path& staging,
                            const UnpackLimits& limits = {});

// Puts the staged files in place under `destination`, which lies in the
// application folder of `paths`. Every target is checked first (inside the
// folder, no link on the way, not a folder or a link itself); then every new
// file is written beside its target and flushed; only then is each renamed
// over its target, one by one. A failure before the renames changes nothing;
// a process killed during them leaves each file either old or new.
InstallResult installStaged(const AppPaths& paths, const std::filesystem::path& staging,
                            const std::filesystem::path& destination, const std::vector<std::string>& files);

// unpackArchive, then installStaged.
InstallResult installArchive(const AppPaths& paths, const std::filesystem::path& archive,
                             const std::filesystem::path& staging, const std::filesystem::path& destination,
                             const UnpackLimits& limits = {});

}  // namespace examsim
