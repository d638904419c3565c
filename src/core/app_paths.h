#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace examsim {

// The application folder and the one place that turns "folder + relative
// path" into a file-system path. Relative paths are written with "\" or "/"
// (both occur in stored data and screens); empty parts of a doubled separator
// are dropped, and a part that does not exist as written matches an existing
// entry that differs only in letter case.
class AppPaths {
public:
    AppPaths() = default;
    explicit AppPaths(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    void setFolder(std::filesystem::path folder);

    // folder + relative path, for paths the program itself writes.
    std::filesystem::path resolve(std::string_view relative) const;

    // For names that come from movies or data: the path inside `subfolder`
    // (itself relative to the application folder) of a plain file name.
    // Nothing when the name is empty, holds a separator, or is "." or "..".
    std::optional<std::filesystem::path> fileIn(std::string_view subfolder, std::string_view name) const;

    // For relative paths that come from movies or data: resolved only when it
    // stays inside the application folder ("..", absolute paths and drive
    // letters are refused).
    std::optional<std::filesystem::path> confined(std::string_view relative) const;

    // True when `path` lies in the folder and the way to its last component
    // passes no link that leads out of the folder: a file the program may
    // create, replace or delete. The last component itself is never followed
    // (a link there is replaced or left alone, not its target).
    bool keepsInside(const std::filesystem::path& path) const;

private:
    std::filesystem::path folder_;
};

// The folder of the running executable (empty when it cannot be found).
std::filesystem::path executableFolder();

}  // namespace examsim
